// Measures a drawing as a user meets it: the plug-in's conversion, the
// import into a document, the first painting of the fitted view, a wheel
// step in about the centre and a pan by a quarter of the width, each
// through the program's own code, and the peak memory of the process.
//
//   viewbench [--size WxH] <drawing>
//   viewbench --generate N <out.dxf>

#include "app/CPlugInReader.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "platform/gdi/FontSubstitutions.h"
#include "platform/win/CDialogService.h"
#include "settings/CDrawDefaults.h"
#include "tools/viewbench/MixedDrawing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <sys/resource.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Messages go to the error stream with their default answer: nothing waits
// for a click.
class PrintingDialogs : public CDialogService {
public:
    int MessageBox(const CString& text, const CString&, UINT) override {
        std::fprintf(stderr, "message: %s\n", text.ToQString().toLocal8Bit().constData());
        return IDOK;
    }
};

class StageClock {
public:
    void Report(const char* stage) {
        const auto now = std::chrono::steady_clock::now();
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_start);
        std::printf("stage %s %lld\n", stage, static_cast<long long>(ms.count()));
        std::fflush(stdout);
        m_start = std::chrono::steady_clock::now();
    }
    void Restart() { m_start = std::chrono::steady_clock::now(); }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

int Usage() {
    std::fprintf(stderr, "usage: viewbench [--size WxH] <drawing>\n"
                         "       viewbench --generate N <out.dxf>\n");
    return 2;
}

bool ParseNumber(std::string_view text, long long* value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), *value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && *value > 0;
}

bool ParseSize(std::string_view text, int* width, int* height) {
    const auto cross = text.find('x');
    long long w = 0;
    long long h = 0;
    if (cross == std::string_view::npos || !ParseNumber(text.substr(0, cross), &w) ||
        !ParseNumber(text.substr(cross + 1), &h) || w > 16384 || h > 16384)
        return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

int Generate(std::string_view count, const char* path) {
    long long entities = 0;
    if (!ParseNumber(count, &entities))
        return Usage();
    if (!MixedDrawing::Write(path, static_cast<std::size_t>(entities))) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}

void SendMouse(CZumeoView& view, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, view.mapToGlobal(at), Qt::MiddleButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

int Measure(const char* path, int width, int height) {
    PrintingDialogs dialogs;
    CDialogService::Install(&dialogs);
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    CZumeoDoc document;
    document.SetSettings(&settings);
    const CString drawing = CString::FromFilePath(QByteArray(path));

    StageClock clock;
    HGLOBAL block = CPlugInReader(nullptr).GetPORData(CZumeoDoc::kDxfLibrary, drawing);
    if (!block) {
        std::fprintf(stderr, "the plug-in read nothing from %s\n", path);
        return 1;
    }
    clock.Report("convert");

    const int imported = document.ImportBlock(block, CZumeoDoc::kDxfLibrary, drawing, drawing);
    if (imported != 1) {
        std::fprintf(stderr, "the document refused the drawing\n");
        return 1;
    }
    clock.Report("import");

    // The view meets the document while it has no drawing area, so only the
    // fit paints the drawing.
    CZumeoView view(settings);
    view.resize(1, 1);
    view.SetDocument(&document);
    view.resize(width, height);
    clock.Restart();
    view.ShowLoadedDrawing();
    clock.Report("paint");

    const QPointF centre(width / 2.0, height / 2.0);
    QWheelEvent wheel(centre, view.mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    clock.Report("zoom");

    const QPointF panned(centre.x() - width / 4.0, centre.y());
    SendMouse(view, QEvent::MouseButtonPress, centre, Qt::MiddleButton);
    SendMouse(view, QEvent::MouseMove, panned, Qt::MiddleButton);
    SendMouse(view, QEvent::MouseButtonRelease, panned, Qt::NoButton);
    clock.Report("pan");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_mb %ld\n", usage.ru_maxrss / 1024);
    view.SetDocument(nullptr);
    CDialogService::Install(nullptr);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--generate") == 0)
        return Generate(argv[2], argv[3]);
    int width = 1600;
    int height = 1000;
    int next = 1;
    if (argc == 4 && std::strcmp(argv[1], "--size") == 0) {
        if (!ParseSize(argv[2], &width, &height))
            return Usage();
        next = 3;
    }
    if (argc != next + 1)
        return Usage();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    return Measure(argv[next], width, height);
}

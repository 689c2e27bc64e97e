#include "app/CZumeoApp.h"
#include "ui/CPaletteStyle.h"

#include "app/CCommandLineInfo.h"
#include "app/CDrawingOpener.h"
#include "app/CDwgConverter.h"
#include "app/CLayerBar.h"
#include "app/CMainFrame.h"
#include "app/CQtPrinterInfoSource.h"
#include "app/CSettingsProfile.h"
#include "app/CShellRegistration.h"
#include "app/CSplashWnd.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "app/KeyMapping.h"
#include "entities/CRukEntity.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CKeyState.h"
#include "platform/win/CProfile.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawingKinds.h"
#include "ui/CAboutDlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace {

CZumeoApp* g_app = nullptr;

constexpr UINT kShiftJisCharset = 128;

constexpr const char* kFileSection = "FILE";
constexpr const char* kPathKey = "PATH";

} // namespace

CZumeoApp::CZumeoApp()
    : m_recentFiles(CommandIds::kMruCount),
      m_printer(std::make_unique<CPrinterDefaults>(std::make_unique<CQtPrinterInfoSource>())) {
    g_app = this;
    if (qApp)
        qApp->installEventFilter(this);
}

CZumeoApp::~CZumeoApp() {
    m_frame.reset();
    m_document.reset();
    if (g_app == this)
        g_app = nullptr;
}

CZumeoApp* CZumeoApp::Instance() {
    return g_app;
}

CZumeoApp::StartResult CZumeoApp::InitInstance(const QByteArrayList& arguments) {
    // The splash is on from the program's start; the command line can only
    // turn it off, so whoever turned it off before the start keeps it off.
    CCommandLineInfo splashInfo;
    splashInfo.ParseCommandLine(arguments);
    if (!splashInfo.m_bShowSplash)
        CSplashWnd::EnableSplashScreen(false);

    m_recentFiles.ReadList();

    CCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(arguments);
    if (!cmdInfo.m_strFileName.IsEmpty() && !FileExists(cmdInfo.m_strFileName)) {
        AfxMessageBox(PathForDisplay(cmdInfo.m_strFileName) +
                      CString::FromUtf8(" は存在しません。"));
        cmdInfo.m_strFileName.Empty();
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    }

    if (cmdInfo.m_bRunEmbedded || cmdInfo.m_bRunAutomated)
        return kEnd;

    if (arguments.join(' ').toUpper() == "/REGSERVER") {
        // The entry is UTF-8 text: a folder whose name is no text cannot be
        // written into it as itself.
        const CString folder = GetProgramDir();
        if (CString::FromFilePath(folder.ToFilePath()) != folder)
            return kFail;
        const QString program = folder.ToFilePath() + QStringLiteral("zumeo");
        return CShellRegistration::Register(CShellRegistration::DataFolder(), program) ? kEnd
                                                                                       : kFail;
    }

    if (cmdInfo.m_nShellCommand == CCommandLineInfo::AppUnregister)
        return CShellRegistration::Unregister(CShellRegistration::DataFolder()) ? kEnd : kFail;

    m_plugIns.Scan(GetProgramDir());

    m_document = std::make_unique<CZumeoDoc>();
    m_frame = std::make_unique<CMainFrame>(*this);
    m_frame->SetDocument(m_document.get());
    // Wired once: batch conversion and continuous printing open drawings
    // into the document without going through a File > Open.
    m_document->SetSettings(&m_settings);
    m_document->SetStatusBar(m_frame->statusBar());
    m_document->SetFontCharSetSource([this](const CString& face) { return GetFontCharSet(face); });

    CSplashWnd::WaitUntilHidden();

    m_frame->ActivateFrame();
    m_printer->SetPrinterOrientation(m_settings, TRUE);
    // The drawing opens in the shown window, so its progress can be seen and
    // it fits the window's real size.
    if (cmdInfo.m_nShellCommand != CCommandLineInfo::FileNew && !cmdInfo.m_strFileName.IsEmpty())
        OpenDocumentFile(cmdInfo.m_strFileName);
    return kRun;
}

void CZumeoApp::ExitInstance() {
    m_recentFiles.WriteList();
    m_frame.reset();
    CProfile::Flush();
}

void CZumeoApp::LoadSettings() {
    CSettingsProfile::Load(m_settings, m_recentTexts);
}

void CZumeoApp::SaveSettings() {
    CSettingsProfile::Save(m_settings, m_recentTexts);
}

void CZumeoApp::AddRecentText(std::vector<CString>& list, CString text, bool joinLines,
                              bool acceptEmpty) {
    if (joinLines)
        text = PilcrowText::Encode(text);
    if (text.IsEmpty() && !acceptEmpty)
        return;
    if (!list.empty() && list.front() == text)
        return;
    list.erase(std::remove(list.begin(), list.end(), text), list.end());
    list.insert(list.begin(), text);
    if (list.size() > static_cast<std::size_t>(CRecentTexts::kMaxEntries))
        list.pop_back();
}

void CZumeoApp::AddRecentMarkupText(CString text) {
    AddRecentText(m_recentTexts.m_recentMarkupTexts, std::move(text), false, true);
}

void CZumeoApp::AddRecentRedlineText(CString text) {
    AddRecentText(m_recentTexts.m_recentRedlineTexts, std::move(text), true, true);
}

void CZumeoApp::AddRecentTooltipText(CString text) {
    AddRecentText(m_recentTexts.m_recentTooltipTexts, std::move(text), true, false);
}

void CZumeoApp::AddRecentLayerName(CString text) {
    AddRecentText(m_recentTexts.m_recentLayerNames, std::move(text), false, true);
}

void CZumeoApp::SetFontList(std::vector<CString> names, std::vector<UINT> charSets) {
    m_fontNames = std::move(names);
    m_fontCharSets = std::move(charSets);
}

UINT CZumeoApp::GetFontCharSet(const CString& face) const {
    const auto found = std::find(m_fontNames.begin(), m_fontNames.end(), face);
    if (found == m_fontNames.end())
        return kShiftJisCharset;
    const auto index = static_cast<std::size_t>(found - m_fontNames.begin());
    return index < m_fontCharSets.size() ? m_fontCharSets[index] : kShiftJisCharset;
}

QString CZumeoApp::GetFileVersionString() {
    const QStringList parts = QStringLiteral(ZUMEO_VERSION).split(QLatin1Char('.'));
    int numbers[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < 4 && i < parts.size(); ++i)
        numbers[i] = parts[i].toInt();
    return QString::asprintf("%d.%d.%d.%d", numbers[0], numbers[1], numbers[2], numbers[3]);
}

bool CZumeoApp::OpenDocumentFile(const CString& given) {
    if (!m_document || !m_frame)
        return false;
    // Kept in the recent-file list, the path must name the file from any
    // folder the program is started in.
    const CString path = GetAbsolutePath(given);
    CDrawingOpener opener(*m_document, m_plugIns, m_settings);
    if (opener.RouteOf(path) == CDrawingOpener::Route::OwnFile &&
        CCommonDoc::GetFileKind(path) != 1) {
        AfxMessageBox(PathForDisplay(path) +
                          CString::FromUtf8(
                              " を開けません。\nこの種類のファイルを読み込む手段がありません。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!m_frame->GetActiveView()->OpenDrawing(path))
        return false;
    m_recentFiles.Add(path);
    m_frame->LayerBar()->FillLayers();
    m_frame->UpdateBars();
    m_frame->UpdateTitle();
    return true;
}

bool CZumeoApp::OnOpenRecentFile(UINT id) {
    const int index = static_cast<int>(id - CommandIds::kFileMru1);
    if (index < 0 || index >= m_recentFiles.GetSize())
        return false;
    if (m_frame)
        m_frame->GetActiveView()->m_pTool.reset();
    if (!QueryCloseDrawing())
        return false;
    const CString path = m_recentFiles[index];
    if (OpenDocumentFile(path))
        return true;
    m_recentFiles.Remove(index);
    return false;
}

bool CZumeoApp::QueryCloseDrawing() {
    return !m_document || m_document->QueryCloseDrawing(m_settings);
}

void CZumeoApp::OnFileOpen() {
    if (m_frame)
        m_frame->GetActiveView()->m_pTool.reset();
    if (!QueryCloseDrawing())
        return;
    // DWG drawings are offered only while their converter would run.
    const bool dwg = CDwgConverter::IsAvailable(m_settings.m_converterPath);
    QStringList every;
    for (const CDrawingKinds::Extension& known : CDrawingKinds::Extensions())
        if (known.kind != 0 && (dwg || known.kind != CDrawingKinds::kDwgKind))
            every.append(QStringLiteral("*") + QLatin1String(known.name));
    QStringList filters{QtNameFilter(QStringLiteral("すべての図面"), every.join(QLatin1Char(';'))),
                        QStringLiteral("Zumeo ファイル (*.zmd)")};
    for (int i = 0; i < m_plugIns.GetCount(); ++i) {
        const QStringList parts =
            m_plugIns.GetAt(i).GetFilter().ToQString().split(QLatin1Char('|'));
        for (qsizetype j = 0; j + 1 < parts.size(); j += 2)
            if (!parts[j].isEmpty())
                filters << QtNameFilter(parts[j], parts[j + 1]);
    }
    if (dwg)
        filters << QStringLiteral("DWG ファイル (*.dwg)");
    // The types the program reads itself, after the plug-ins'.
    filters << QStringLiteral("BMP ファイル (*.bmp)") << QStringLiteral("JPEG ファイル (*.jpg)")
            << QStringLiteral("TIFF ファイル (*.tif *.tiff)")
            << QStringLiteral("メタファイル (*.wmf *.emf)")
            << QStringLiteral("PDF ファイル (*.pdf)") << QStringLiteral("すべてのファイル (*)");
    const QString folder = CProfile::GetProfilePath(kFileSection, kPathKey).ToFilePath();
    const QString path =
        CDialogService::Current().GetOpenFileName(folder, filters.join(QStringLiteral(";;")));
    if (!path.isEmpty()) {
        const CString chosen = CString::FromFilePath(path);
        CProfile::WriteProfilePath(kFileSection, kPathKey, GetFileDir(chosen));
        OpenDocumentFile(chosen);
    }
    if (m_frame)
        m_frame->GetActiveView()->setFocus();
}

void CZumeoApp::OnHelp() {
    const QString folder = GetProgramDir().ToFilePath() + QStringLiteral("help/");
    const QString index = folder + QStringLiteral("index.html");
    if (!QFileInfo::exists(index)) {
        AfxMessageBox(CString::FromUtf8("ヘルプが見つかりません。\n") +
                          PathForDisplay(CString::FromFilePath(index)),
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(index));
}

void CZumeoApp::OnAppAbout() {
    CAboutDlg dialog(GetFileVersionString(), m_frame.get());
    CDialogService::Current().RunModal(dialog);
}

void CZumeoApp::SetPrinterInfoSource(std::unique_ptr<CPrinterInfoSource> source) {
    m_printer = std::make_unique<CPrinterDefaults>(std::move(source));
}

bool CZumeoApp::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        CKeyState::SetKeyDown(VirtualKeyFromQt(key->key()), event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::ApplicationDeactivate:
        CKeyState::Clear();
        break;
    default:
        break;
    }
    if (CSplashWnd::PreTranslateAppMessage(event))
        return true;
    return QObject::eventFilter(watched, event);
}

// The program: a Qt application with the real message boxes, the font
// substitutions, Qt's own Japanese texts and the application object's
// start-up.
#include "app/CMessageBoxService.h"
#include "app/CZumeoApp.h"
#include "app/QtTranslations.h"
#include "platform/gdi/FontSubstitutions.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zumeo"));
    InstallFontSubstitutions();
    InstallQtTranslations();
    CMessageBoxService messageBoxes;
    CDialogService::Install(&messageBoxes);

    int exitCode = 0;
    {
        CZumeoApp app;
        // The arguments as the system gave them (Qt has taken its own out):
        // a file name need not be valid text.
        QByteArrayList arguments;
        for (int i = 1; i < argc; ++i)
            arguments.append(QByteArray(argv[i]));
        switch (app.InitInstance(arguments)) {
        case CZumeoApp::kRun:
            exitCode = QApplication::exec();
            app.ExitInstance();
            break;
        case CZumeoApp::kEnd:
            break;
        case CZumeoApp::kFail:
            exitCode = 1;
            break;
        }
    }
    CDialogService::Install(nullptr);
    return exitCode;
}

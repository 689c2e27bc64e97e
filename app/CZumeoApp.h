#pragma once
// The application: its settings and recent lists, the plug-in table, the
// installed fonts, the printer defaults, the open document and its main
// window, and the start-up that brings them up from the command line.
#include "app/CPlugInList.h"
#include "app/CPrinterDefaults.h"
#include "app/CRecentFileList.h"
#include "app/CRecentTexts.h"
#include "settings/CDrawDefaults.h"

#include <QByteArrayList>
#include <QObject>
#include <memory>
#include <vector>

class CMainFrame;
class CZumeoDoc;

class CZumeoApp : public QObject {
public:
    enum StartResult { kRun, kEnd, kFail };

    CZumeoApp();
    ~CZumeoApp() override;
    CZumeoApp(const CZumeoApp&) = delete;
    CZumeoApp& operator=(const CZumeoApp&) = delete;

    // The one application object; null before it is made.
    static CZumeoApp* Instance();

    // Start-up from the arguments after the program name: kRun when the
    // main window is up and the event loop is to run, kEnd when the start
    // has done all it was asked (the desktop registration), kFail when it
    // could not.
    StartResult InitInstance(const QByteArrayList& arguments);
    // Keeps the recent files and lets the main window go (it saves the
    // settings).
    void ExitInstance();

    void LoadSettings();
    void SaveSettings();

    void AddRecentMarkupText(CString text);
    void AddRecentRedlineText(CString text);
    void AddRecentTooltipText(CString text);
    void AddRecentLayerName(CString text);

    void SetFontList(std::vector<CString> names, std::vector<UINT> charSets);
    // The character set of an installed face; 128 (Shift-JIS) for a face
    // that is not installed.
    UINT GetFontCharSet(const CString& face) const;
    const std::vector<CString>& GetFontNames() const { return m_fontNames; }
    // The program's version as "major.minor.patch.build".
    static QString GetFileVersionString();

    // Opens a drawing into the document through the view's dispatcher, the
    // one way for the menu, recent files, the command line and dropped files;
    // false when it cannot be read.
    bool OpenDocumentFile(const CString& path);
    // The close check of the open drawing: the conversion offer and the
    // save question; false when the user cancels.
    bool QueryCloseDrawing();
    // Opens a recent file after the close check; true when it opened. A
    // file that does not open leaves the list.
    bool OnOpenRecentFile(UINT id);
    void OnFileOpen();
    void OnHelp();
    void OnAppAbout();

    // Printers as the source tells (the program's default asks Qt).
    void SetPrinterInfoSource(std::unique_ptr<CPrinterInfoSource> source);
    CPrinterDefaults& Printer() { return *m_printer; }

    CZumeoDoc* GetDocument() const { return m_document.get(); }
    CMainFrame* GetMainFrame() const { return m_frame.get(); }

    CDrawDefaults m_settings;
    CRecentTexts m_recentTexts;
    CPlugInList m_plugIns;
    CRecentFileList m_recentFiles;

protected:
    // Feeds the key state and lets the splash see the first key or press.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void AddRecentText(std::vector<CString>& list, CString text, bool joinLines,
                              bool acceptEmpty);

    std::unique_ptr<CPrinterDefaults> m_printer;
    std::vector<CString> m_fontNames;
    std::vector<UINT> m_fontCharSets;
    std::unique_ptr<CZumeoDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};

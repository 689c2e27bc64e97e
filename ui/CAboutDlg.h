#pragma once
// The About box: the program's name and version, and a link to the
// project's web page.

#include "controls/CBkDialog.h"

class CHyperLink;

class CAboutDlg : public CBkDialog {
public:
    enum ControlId { kOk = 1, kLink = 1034 };
    // The project's own web page.
    static constexpr const char* kProjectAddress = "https://zumeo.example.org/";

    // version is the build's "major.minor.patch.build".
    CAboutDlg(const QString& version, QWidget* parent = nullptr);

    // The line drawn over the background: "Zumeo / " and the version.
    QString VersionLine() const;
    CHyperLink* Link() const { return m_link; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_version;
    CHyperLink* m_link;
};

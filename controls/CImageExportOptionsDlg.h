#pragma once
// The options panel of the image export's save dialog: the picture's size
// in pixels and whether the whole drawing or the visible part is saved,
// optionally at the window's own size.

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

struct CImageExportOptions {
    enum Range { kWhole = 0, kVisible = 1 };
    unsigned m_width = 1024;
    unsigned m_height = 768;
    int m_range = kWhole;
    int m_useWindowSize = 1;
};

class CImageExportOptionsDlg : public QWidget {
public:
    static constexpr unsigned kMinSize = 1;
    static constexpr unsigned kMaxSize = 2400;
    enum ControlId {
        kWidthId = 1127,
        kHeightId = 1128,
        kWholeId = 1130,
        kVisibleId = 1131,
        kWindowSizeId = 1132
    };

    explicit CImageExportOptionsDlg(const CImageExportOptions& options, QWidget* parent = nullptr);

    // Reads the controls back; false, after the standard range message,
    // when a size lies outside 1..2400 (the options then stay as they were).
    bool UpdateData(CImageExportOptions& options);

private:
    // With the whole drawing the sizes count and the check box does not;
    // with the visible part the sizes count only without the window size.
    void UpdateEnabling();

    QLineEdit* m_width;
    QLineEdit* m_height;
    QButtonGroup* m_range;
    QCheckBox* m_useWindowSize;
};

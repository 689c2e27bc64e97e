#pragma once
// The scale-print dialog's preview: one sheet of the chosen paper, its
// printable area and the drawing at the chosen scale with the placement
// centre at the sheet's centre; dragging with the left button moves the
// drawing on the sheet. The same pane prints the page as it shows it.
// Everything is in hundredths of a millimetre with y up.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "ui/CScalePrintHost.h"

#include <QWidget>

class CDC;

class CScalePreviewDlg : public QWidget {
public:
    explicit CScalePreviewDlg(CScalePrintHost& host, QWidget* parent = nullptr);

    // Draws the pane on a context of the pane's pixel size.
    void Paint(CDC* dc, int width, int height) const;
    // Asks for a printer and prints one page; false when nothing was
    // printed, after a message when the print could not start.
    bool PrintScaled(QWidget* owner);
    // The label "スケール：" + the label text at a corner of the printable
    // area, in a font of the label height.
    void DrawScaleLabel(CDC* dc, int x, int y, int position) const;
    // The document's margin texts at the corners and centres of the
    // printable area of a sheet of that size.
    void DrawMarginTexts(CDC* dc, int width, int height) const;
    // One text in its colour and alignment, in a font of that height in
    // millimetres; the context's colour and alignment stay as they were.
    static void DrawMarginText(CDC* dc, int x, int y, const CString& text, COLORREF colour,
                               UINT align, double height);

    // Zoom: pane logical units per paper hundredth for a pane of that
    // height; 0 without a paper length.
    double Zoom(CDC* dc, int height) const;
    // Printing needs a paper of some length.
    bool CanPrint() const { return m_sheet.paperLength > 0 && m_sheet.paperWidth > 0; }
    // Clears the drag.
    void ClearDrag();

    POINT m_dragOffset{0, 0};
    POINT m_dragStart{0, 0};
    POINT m_dragInProgress{0, 0};
    double m_centreX = 50.0;
    double m_centreY = 50.0;
    int m_dragging = 0;
    double m_scale = 1.0;
    CString m_labelText;
    int m_invert = 0;
    CScaleSheet m_sheet;
    int m_labelOn = 1;
    double m_labelHeight = 5.0;
    int m_labelPosition = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Sheet {
        int w;
        int h;
        int hw;
        int hh;
        int cx;
        int cy;
    };
    Sheet SheetOf() const;
    // A corner of the printable area (label position 0 to 3), from the
    // sheet's centre.
    POINT Corner(const Sheet& sheet, int position) const;
    void PaintPage(CDC* dc, const POINT& drag) const;

    CScalePrintHost& m_host;
};

#pragma once
// What the two style pages of the redline palette share: the kind buttons,
// the layer, pen-width, pen-colour, tooltip and font controls with their
// handlers, the checks of the layer and the pen width, and the preview.
// Each control carries its control id as its object name ("id_<number>").
// A page edits the palette's style; while a markup is being drawn, a change
// goes to the document at once and its key is written.
#include "controls/CBkWindow.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "ui/CPaletteStyle.h"

#include <QWidget>

#include <functional>
#include <vector>

class CHoverButtonEx;
class CRedlineDlg;
class CRedStylePreview;
class CRedlineHost;
class QAbstractButton;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

class CRedStylePage : public CBkWindow<QWidget> {
public:
    // The control ids both pages use.
    enum ControlId : int {
        kPenColorButton = 1039,
        kPenWidthCombo = 1045,
        kTooltipEdit = 1058,
        kFontCombo = 1062,
        kLayerCombo = 1057,
        kTooltipHistory = 1128,
        kFirstKindButton = 1157,
        kPreview = 1172,
        kLayerList = 1199,
        kFirstSwatch = 5000,
    };
    static constexpr int kPenSwatches = 10;

    CRedStylePage(CRedlineDlg& palette, int page);

    // A kind button: the palette draws this kind next.
    void SelectKind(int kind);
    // Every control from the palette's style.
    virtual void RefreshControls() = 0;
    // The page's check of its input; 1 when the style went to the document.
    virtual int Validate() = 0;
    virtual void SaveStyle() = 0;
    // After a change of mode or selection: in edit mode without a markup
    // every input is off, else the controls show the style.
    void RefreshForMode();
    // The layer combo (and what else lists recent texts) filled again.
    virtual void ReloadCombos();
    void RedrawPreview();

    void SetEditMode(bool editMode) { m_editMode = editMode; }
    int SelectedKind() const { return m_selectedKind; }
    // The button of a kind; null when the page has none.
    CHoverButtonEx* KindButton(int kind) const;

    // A history entry as the popup shows it: line breaks as blanks, cut
    // after 100 characters.
    static QString HistoryLabel(const CString& text);
    // The pen widths the combo offers.
    static const std::vector<QString>& PenWidthEntries();

protected:
    struct KindEntry {
        int kind;
        CHoverButtonEx* button;
    };

    CPaletteStyle& Style() const;
    CRedlineHost& Host() const;
    // The pattern of every control handler: the change goes to the
    // document, with its key, while a markup is being drawn (its rubber band
    // drawn anew around it); the preview follows.
    void FollowChange(const std::function<void()>& writeKey);
    void WriteKey(const char* key, int value) const;
    void WriteKey(const char* key, const CString& value) const;
    // The page's own form of a key ("LAYER" + "1" or "2").
    QByteArray PageKey(const char* stem) const;

    // Builders of the controls; each names its widget after the id.
    QComboBox* MakeCombo(int id, bool editable, bool textInput);
    QLineEdit* MakeEdit(int id, bool textInput);
    QToolButton* MakeButton(int id, const QString& text);
    QToolButton* MakeSwatch(int id);
    void MakeKindButtons(const std::vector<int>& kinds, const std::vector<QString>& tips);
    void MakeCommonControls();
    // A caption beside a row of the page.
    QLabel* Caption(const char* utf8);
    // The kind buttons in a row, packed to the left.
    QHBoxLayout* KindRow() const;
    // The pen-colour button and its swatches in a row, packed to the left.
    QHBoxLayout* PenColorRow() const;

    // ---- Checks and handlers.
    // The refusal of a layer name, or empty when it is acceptable.
    CString LayerRefusal(const CString& name) const;
    // A pen width from the combo into width; false after a message.
    bool ReadPenWidth(const QString& text, bool typed, double* width);
    // The checks of Validate: the layer name and the pen width typed go to
    // the style; false after a message.
    bool AcceptLayer();
    bool AcceptPenWidth();
    void OnLayerChosen();
    void OnPenWidthChosen(const QString& text, bool typed);
    void OnPenSwatch(int index);
    void OnPenColorButton();
    void OnTooltipChanged();
    void OnTooltipHistory();
    void OnFontChosen();
    // The history popup; the chosen text with line breaks for "¶", or empty.
    CString ChooseFromHistory(const std::vector<CString>& texts);
    // A colour from the colour dialog; false when it was cancelled.
    bool AskColor(COLORREF* color);
    // The kind buttons, layer, pen colour, pen width and tooltip show the
    // style.
    void ShowCommonControls(bool penEnabled, COLORREF penColor);
    // The font list shows the face; a face not in the list becomes the
    // default one.
    void ShowFace(bool enabled);
    void ShowLayerName();
    void ShowPenColor(COLORREF color);
    // Every input off, as in edit mode without a markup.
    virtual void DisableInputs();
    // The pen width as "%.2f".
    QString PenWidthText() const;
    // A message of the page, caption "Zumeo" and the exclamation icon.
    static void Warn(const char* utf8);

    CRedlineDlg& m_palette;
    const int m_page;
    int m_selectedKind = -1;
    bool m_editMode = false;
    std::vector<KindEntry> m_kindButtons;
    QComboBox* m_layerCombo = nullptr;
    QListWidget* m_layerList = nullptr;
    QComboBox* m_penWidthCombo = nullptr;
    QToolButton* m_penColorButton = nullptr;
    std::vector<QToolButton*> m_penSwatches;
    QLineEdit* m_tooltipEdit = nullptr;
    QToolButton* m_tooltipHistory = nullptr;
    QComboBox* m_fontCombo = nullptr;
    CRedStylePreview* m_preview = nullptr;
    // Set while the page fills its controls, so that no handler runs.
    bool m_filling = false;
};

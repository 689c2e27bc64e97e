#pragma once
// One page of the settings dialog, built from its table: groups of radio
// buttons and of numeric fields with up-down buttons, and check boxes, each
// bound to a value of the settings copy. The colour and converter pages add
// their own controls.

#include "controls/CBkWindow.h"
#include "ui/CSettingsValues.h"

#include <QWidget>

#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QVBoxLayout;

struct CSettingsChoice {
    int id; // 0 for a button without a control id of its own
    const char* text;
    int value;
};

struct CSettingsRadioGroup {
    const char* title;
    int CSettingsValues::*value;
    std::vector<CSettingsChoice> choices;
};

struct CSettingsField {
    int id;
    const char* label;
    int min;
    int max;
    int CSettingsValues::*value;
};

struct CSettingsFieldGroup {
    const char* title;
    std::vector<CSettingsField> fields;
};

struct CSettingsCheck {
    int id;
    const char* text;
    int CSettingsValues::*value;
};

struct CSettingsPageControls {
    const char* treeText;
    int dialogId;
    std::vector<CSettingsRadioGroup> radios;
    std::vector<CSettingsFieldGroup> fieldGroups;
    std::vector<CSettingsCheck> checks;
    // A line of text below the controls; null for none.
    const char* note;
    // Enter in the page's fields does not end the dialog.
    bool swallowEnter;
};

class CSettingsPage : public CBkWindow<QWidget> {
public:
    // A field whose text is no whole number within its range.
    struct Refusal {
        QSpinBox* field;
        int min;
        int max;
    };

    CSettingsPage(const CSettingsPageControls& controls, CSettingsValues& values, QWidget* parent);

    // The first field that cannot be taken as it stands.
    std::optional<Refusal> FindRefusal() const;
    // Copies the controls into the settings copy.
    virtual void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    CSettingsValues& m_values;
    QVBoxLayout* m_layout;

private:
    struct BoundField {
        QSpinBox* box;
        CSettingsField field;
    };
    struct BoundGroup {
        QButtonGroup* group;
        int CSettingsValues::*value;
    };
    struct BoundCheck {
        QCheckBox* box;
        int CSettingsValues::*value;
    };

    std::vector<BoundField> m_fields;
    std::vector<BoundGroup> m_groups;
    std::vector<BoundCheck> m_checks;
    bool m_swallowEnter;
};

#include "ui/CSettingsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString IdName(int id) {
    return QStringLiteral("id_%1").arg(id);
}

std::optional<int> WholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

CSettingsPage::CSettingsPage(const CSettingsPageControls& controls, CSettingsValues& values,
                             QWidget* parent)
    : CBkWindow<QWidget>(parent), m_values(values), m_layout(new QVBoxLayout(this)),
      m_swallowEnter(controls.swallowEnter) {
    setObjectName(IdName(controls.dialogId));
    for (const CSettingsRadioGroup& radios : controls.radios) {
        auto* box = new QGroupBox(QString::fromUtf8(radios.title), this);
        auto* column = new QVBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (const CSettingsChoice& choice : radios.choices) {
            auto* button = new QRadioButton(QString::fromUtf8(choice.text), box);
            if (choice.id != 0)
                button->setObjectName(IdName(choice.id));
            group->addButton(button, choice.value);
            column->addWidget(button);
        }
        if (QAbstractButton* current = group->button(m_values.*radios.value))
            current->setChecked(true);
        m_groups.push_back({group, radios.value});
        m_layout->addWidget(box);
    }
    for (const CSettingsFieldGroup& fields : controls.fieldGroups) {
        auto* box = new QGroupBox(QString::fromUtf8(fields.title), this);
        auto* form = new QFormLayout(box);
        for (const CSettingsField& field : fields.fields) {
            auto* spin = new QSpinBox(box);
            spin->setObjectName(IdName(field.id));
            spin->setRange(field.min, field.max);
            spin->setValue(m_values.*field.value);
            // Numbers only: the input method stays off.
            spin->setAttribute(Qt::WA_InputMethodEnabled, false);
            if (m_swallowEnter)
                spin->installEventFilter(this);
            form->addRow(QString::fromUtf8(field.label), spin);
            m_fields.push_back({spin, field});
        }
        m_layout->addWidget(box);
    }
    for (const CSettingsCheck& check : controls.checks) {
        auto* box = new QCheckBox(QString::fromUtf8(check.text), this);
        box->setObjectName(IdName(check.id));
        box->setChecked(m_values.*check.value != 0);
        m_checks.push_back({box, check.value});
        m_layout->addWidget(box);
    }
    if (controls.note)
        m_layout->addWidget(new QLabel(QString::fromUtf8(controls.note), this));
    m_layout->addStretch();
}

std::optional<CSettingsPage::Refusal> CSettingsPage::FindRefusal() const {
    for (const BoundField& bound : m_fields) {
        const std::optional<int> value = WholeNumber(bound.box->text());
        if (!value || *value < bound.field.min || *value > bound.field.max)
            return Refusal{bound.box, bound.field.min, bound.field.max};
    }
    return std::nullopt;
}

void CSettingsPage::Apply() {
    for (const BoundField& bound : m_fields)
        m_values.*bound.field.value = WholeNumber(bound.box->text()).value_or(bound.box->value());
    for (const BoundGroup& group : m_groups)
        if (group.group->checkedId() != -1)
            m_values.*group.value = group.group->checkedId();
    for (const BoundCheck& check : m_checks)
        m_values.*check.value = check.box->isChecked() ? 1 : 0;
}

bool CSettingsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return CBkWindow<QWidget>::eventFilter(watched, event);
}

#include "controls/CCommandButton.h"

#include "controls/CHoverButton.h"

CHoverButton* CCommandButton::Create(QWidget* parent, std::function<void(UINT)> onCommand) const {
    auto* button = new CHoverButton(parent);
    button->setObjectName(QStringLiteral("id_%1").arg(id));
    button->setToolTip(QString::fromUtf8(tip));
    button->LoadBitmaps(CToolImages::Button(glyph, CHoverButton::kNormal),
                        CToolImages::Button(glyph, CHoverButton::kHover),
                        CToolImages::Button(glyph, CHoverButton::kPressed),
                        CToolImages::Button(glyph, CHoverButton::kDisabled));
    const UINT command = id;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [onCommand = std::move(onCommand), command] { onCommand(command); });
    return button;
}

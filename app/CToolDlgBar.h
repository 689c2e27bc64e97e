#pragma once
// The tool bar: thirteen hover buttons over the bar background. Each button
// sends its control id as a command.
#include "controls/CBkDialogBar.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <functional>
#include <vector>

class CHoverButton;
struct CToolBarState;

class CToolDlgBar : public CBkDialogBar {
public:
    static constexpr int kButtonCount = 13;
    enum ButtonId : UINT {
        kOpen = 1017,
        kSave = 1018,
        kPrint = 1019,
        kPreview = 1020,
        kContinuousPrint = 1021,
        kCopyAll = 1022,
        kCopyVisible = 1023,
        kLastTool = 1025,
        kSettings = 1026,
        kHelp = 1027,
        kExit = 57665,
        kUndo = 1028,
        kRedo = 1029,
    };

    explicit CToolDlgBar(QWidget* parent = nullptr);

    void SetCommandHandler(std::function<void(UINT)> handler) { m_onCommand = std::move(handler); }
    // Enables the buttons for the open document.
    void UpdateButtons(const CToolBarState& state);
    // Disables the buttons whose command may not run now.
    void KeepEnabledOnly(const std::function<bool(UINT)>& allowed);
    CHoverButton* Button(UINT id) const;
    // The control ids of the buttons, in bar order.
    static std::vector<UINT> ButtonIds();

private:
    std::array<CHoverButton*, kButtonCount> m_buttons{};
    std::function<void(UINT)> m_onCommand;
};

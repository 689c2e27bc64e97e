#pragma once
// The point-edit tool, the view's default: a press on a grip of the only
// selected redline object drags that grip (one undo snapshot before the
// first move, none for a click that never moves); a press on a redline
// object moves it with the selection; a press on empty space picks by frame.

#include "app/CRukClick.h"

class CRukPEdit : public CRukClick {
public:
    explicit CRukPEdit(CZumeoView* view);

    void OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                      const CDrawDefaults* settings, UINT flags) override;
    int AddPoint(int x, int y, int mode) override;
    void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
               const CDrawDefaults* settings, UINT flags) override;
    // After a grip drag that reshaped the object: the labels of the
    // selected leader marks and notes measured again.
    void RefreshLabels(CEntityDocument* document) override;
    // After a grip drag that reshaped the object: the leaders of the
    // selected leader marks anchored again.
    void UpdateLeader(CEntityDocument* document) override;

    int GetGrip() const { return m_grip; }

private:
    // The grip of the only selected object under the point; false when none.
    bool PickGrip(CDC* dc, CZumeoDoc* document, int x, int y, const CDrawDefaults* settings);

    int m_grip = -1;
    // The grip has moved: its undo snapshot is recorded.
    bool m_reshaped = false;
};

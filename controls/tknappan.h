#pragma once

#include "controls/tfcompo.h"

// Fields that behave as buttons: states, the focus mark moved by mouse and keyboard, paging by a
// start number, and the events of both. The events carry item indexes (StartNr + field).
class TKnapPan : public TBFCompo {
    Q_OBJECT
public:
    explicit TKnapPan(QWidget* parent = nullptr);

    // The panel shows a focus mark that follows the keyboard focus.
    bool FocusOver = true;
    // Mouse buttons are not taken.
    bool NoMouse = false;
    void setRulRundt(bool rundt) { felter.RulRundt = rundt; }

    void InitAlleUp();
    void InitFocus(int Nr);
    void NytStartNr(int NytNr, bool Opkald);
    void RegulerStartNr(int maal) { felter.RegulerStartNr(maal); }
    int ANr() const { return felter.ANr; }

Q_SIGNALS:
    void OnStartNr(int nr);
    void OnNewDown(int item);
    void OnMusOver(int item);
    void OnMus(Qt::MouseButton knap, int item);
    void OnMusKlik(Qt::MouseButton knap, int item);
    void OnMusOp(Qt::MouseButton knap, int trykket, int sluppet);
    void OnKey(int key, int item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int trykFelt = -1;
};

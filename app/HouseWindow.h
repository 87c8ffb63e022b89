#pragma once
// TForm8: the house. Two exercises start here; three doors lead to the
// attic, the children's room and the garden. Closing it goes back to the
// start screen.
#include "app/MenuWindow.h"

class TForm8 : public tavrio::cMenuWindow {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

public slots:
    void ICECREMELERNMODUSClick();
    void OMAbuttonClick();
    void SCHREIBTISCHClick();
    void BRUDERUNDTVClick();
    void GARTENButtonClick();
};

#pragma once
// TForm10: the children's room, with little brother, wheel of fortune, the
// quiz show and two games still to come.
#include "app/MenuWindow.h"

class TForm10 : public tavrio::cMenuWindow {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

public slots:
    void KLEINERBRUDERGROSSEFRAGENClick();
    void GLUECKSRADBUTTONClick();
    void WERWIRDVOKABLAERBUTTONClick();
    void SCHIEBESPIELBUTTONClick();
    void MEMORYBUTTONClick();
};

#pragma once
// TForm9: the attic (800 x 599), with word search, test and three games
// still to come.
#include "app/MenuWindow.h"

class TForm9 : public tavrio::cMenuWindow {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

public slots:
    void BUCHSTABENSCHIESSENBUTTONClick();
    void FLUCHTVONVOKABLIABUTTONClick();
    void WOERTERSUCHENBUTTONClick();
    void KREUZWORTRAETSELBUTTONClick();
    void TESTBUTTONClick();
};

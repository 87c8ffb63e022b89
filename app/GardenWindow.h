#pragma once
// Tform11: the garden, with "Versteckt, aber wo?" and "Seenot!".
#include "app/MenuWindow.h"

class Tform11 : public tavrio::cMenuWindow {
    Q_OBJECT
public:
    explicit Tform11(QWidget* parent = nullptr);

public slots:
    void VERSTECKTABERWOBUTTONClick();
    void SEENOTButtonClick();
};

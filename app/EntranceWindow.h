#pragma once
// TForm1: the entrance screen and main window. A borderless picture of the
// house front as large as the screen, with the doors "Start", "Optionen"
// and "Ende", the help icon and "Impressum". On its first show it counts
// down 3, 2, 1 and then opens the start screen for the login. Closing it
// ends the program.
#include "app/HotSpots.h"

#include <QWidget>

class QLabel;
class QSpinBox;
class QTimer;

namespace tavrio {
class cPictureArea;
}

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // Places the 800 x 600 layout and the intro in the middle of a screen of
    // this size (FormCreate does this for the primary screen).
    void layOutFor(QSize screen);
    bool introRunning() const;
    const tavrio::cPictureArea* litDoor() const { return doors_.lit(); }

public slots:
    void FormShow();
    void Timer1Timer();
    void StartMouseMove();
    void OptionenMouseMove();
    void EndeMouseMove();
    void Image1MouseMove();
    void StartClick();
    void OptionenClick();
    void EndeClick();
    void ImpressumClick();
    void HilfeClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void endIntro();

    tavrio::cPictureArea* Image1;
    tavrio::cPictureArea* Start;
    tavrio::cPictureArea* Optionen;
    tavrio::cPictureArea* Ende;
    QLabel* StartPicture;
    QLabel* Optionenpicture;
    QLabel* Endepicture;
    tavrio::cPictureArea* Impressum;
    tavrio::cPictureArea* Hilfe;
    tavrio::cPictureArea* IntroBild;
    QLabel* Introtext;
    QLabel* Introstand;
    QSpinBox* Startvalue;
    QSpinBox* SpinEdit1;
    QTimer* Timer1;
    tavrio::cHotSpots doors_;
    QPoint offset_;
};

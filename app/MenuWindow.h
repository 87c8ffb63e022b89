#pragma once
// What the house and its rooms share: a borderless, centred window with a
// background picture (Image1, loaded on every show, dropped on close), hot
// spots that light up under the mouse, a help button (Hilfe) and a back
// arrow (Image2). Each hot spot has a hidden button with the same handler.
// Closing the window shows and enables the window one level up; Esc does
// what the back arrow does. Tab walks the hot spots, the help button and the
// back arrow; a focused hot spot is lit as under the mouse.
#include "app/HotSpots.h"

#include <QWidget>
#include <functional>

class QPushButton;

namespace tavrio {

class cPictureArea;

class cMenuWindow : public QWidget {
    Q_OBJECT
public:
    cMenuWindow(const QString& name, QSize size, const QString& background, const QString& help,
                const QString& backHint, QWidget* parent = nullptr);

    // The window that closing this one goes back to.
    void setUpperWindow(QWidget* upper) { upper_ = upper; }
    QWidget* upperWindow() const { return upper_; }
    const cPictureArea* litHotSpot() const { return spots_.lit(); }

public slots:
    void HilfeClick();
    void Button1Click();

protected:
    // Adds hot spot `name` with its hidden lit picture `<name><suffix>` and
    // the hidden button `buttonName`; both run `handler`.
    void addHotSpot(const char* scene, const char* name, const char* pictureSuffix, const QString& buttonName,
                    const QRect& rect, const QString& hint, std::function<void()> handler);
    // The rooms also drop the highlight when the mouse is over Image2.
    void clearOnBackArrow();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString background_;
    QString help_;
    QWidget* upper_ = nullptr;
    cPictureArea* Image1;
    cPictureArea* Image2;
    cPictureArea* Hilfe;
    QPushButton* Button1;
    cHotSpots spots_;
};

} // namespace tavrio

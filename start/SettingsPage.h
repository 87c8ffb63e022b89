#pragma once
// Page 6 of the start screen (TabSheet6): the two learning settings of the
// session, intensity and strictness, as scroll bars 0..100.
#include <QWidget>

class QLabel;
class QScrollBar;
class TFormStart;

namespace tavrio {

class cPictureArea;

class cSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit cSettingsPage(TFormStart* owner);

    // Page entered: background, and the bars from the session.
    void enter();
    void releaseBackground();

public slots:
    void Label20Click();   // save and back to the list selection
    void Label21Click();   // back without changing the settings

private:
    void addScaleLabels(const QStringList& captions, const QRect& bar, int top, const QString& prefix);

    TFormStart* owner_;
    cPictureArea* Image7;
    QScrollBar* WieIntensivWert;
    QScrollBar* WieHartBestraft;
    cPictureArea* Label20;
    cPictureArea* Label21;
};

} // namespace tavrio

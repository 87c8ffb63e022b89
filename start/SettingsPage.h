#pragma once
// Page 6 of the start screen (TabSheet6): the two learning settings of the
// session, intensity and strictness, as scroll bars 0..100. The bars take
// the focus (arrows, Page Up/Down, Home, End move them); a line under each
// says in plain words what its position means.
#include <QWidget>

class QLabel;
class QScrollBar;
class TFormStart;

namespace tavrio {

class cPictureArea;

// The lines under the bars, from the session's own scoring rule.
QString intensityMeaning(int intensity);
QString strictnessMeaning(int intensity, int strictness);

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateMeanings();
    QLabel* addMeaningLine(const QString& name, const QRect& bar, int top);
    void addScaleLabels(const QStringList& captions, const QRect& bar, int top, const QString& prefix);

    TFormStart* owner_;
    cPictureArea* Image7;
    QScrollBar* WieIntensivWert;
    QScrollBar* WieHartBestraft;
    QLabel* intensityMeaning_;
    QLabel* strictnessMeaning_;
    QWidget* focusRing_;
    cPictureArea* Label20;
    cPictureArea* Label21;
};

} // namespace tavrio

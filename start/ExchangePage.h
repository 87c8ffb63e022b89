#pragma once
// Page 4 of the start screen: searching the online exchange, the result grid
// with its "Installieren" column, the mail link, uploading a local list, and
// the hidden book/chapter/version controls. The start-screen procedures
// bound to the query client's slots live here.
#include "exchange/WebInterface.h"

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;
class cWebFileInterface;
namespace tavrio { class cPictureArea; }

class cExchangePage : public QObject {
    Q_OBJECT
public:
    // Builds every control on `container` (TabSheet4). `showPage` switches
    // the start screen's page and runs its page-entered routine.
    cExchangePage(QWidget* container, cWebinterface& web, cWebFileInterface& files,
                  std::function<void(int)> showPage, QString mailAddress);

    // The page-entered routine of page 4 and its counterpart.
    void PageEntered();
    void ReleaseBackground();

    // Procedures bound to the query client's slots.
    void ShowSearchResult(const std::string& word, const cStringList& books, const cStringList& chapters,
                          const cStringList& words, const cStringList& authors, const cStringList& bookIds,
                          const cStringList& chapterIds);
    void ShowVersionMessage(bool outdated, const std::string& message);
    void ShowBooks(const cStringList& titles, const cStringList& ids);
    void ShowChapters(const cStringList& titles, const cStringList& ids);
    // Shows or hides the note that a transfer is running.
    void ShowBusy(bool busy);
    // The line that the exchange cannot be reached; hidden again by the next
    // answer that arrives.
    void ShowUnreachable();
    void HideUnreachable();
    // The report of the last upload, beside "Liste hochladen".
    void ShowUploadReport(const QString& line);
    // Asks whether a download may replace the local list `name` (8-bit),
    // "Nein" by default.
    bool AskReplace(const std::string& name);

    // The list file a result row names: book + " - " + chapter + ".vok".
    QString FileNameOfRow(int row) const;

public slots:
    void Button19Click();
    void StringGrid2SelectCell(int column, int row);
    void Image4Click();
    void SelbstHinzuClick();
    void Button18Click();
    void getkapitelbuttonClick();
    void CheckForUpdatesButtonClick();
    void downloadoneClick();
    void HochladenClick();
    // The editor page's "Aus dem Internet laden".
    void Button20Click();

protected:
    // Return or Space on the result grid's current cell.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RequestDownload(const QString& fileName);
    QString Cell(int column, int row) const;

    cWebinterface& web_;
    cWebFileInterface& files_;
    std::function<void(int)> showPage_;
    QString mail_;

    QLabel* Image6;
    tavrio::cPictureArea* Image4;
    QLineEdit* searchforwhat;
    QPushButton* Button19;
    QLabel* searchresultfor;
    QTableWidget* StringGrid2;
    tavrio::cPictureArea* Label12;
    QComboBox* Buecher;
    QListWidget* BuecherIDs;
    QComboBox* kapitel;
    QListWidget* KapitelIDs;
    QPushButton* Button18;
    QPushButton* getkapitelbutton;
    QPushButton* CheckForUpdatesButton;
    QPushButton* SelbstHinzu;
    QPushButton* downloadone;
    QPushButton* Hochladen;
    QLabel* TransferLaeuft;
    QLabel* NichtErreichbar;
    QLabel* Hochladebericht;
};

#pragma once
// Page 5 of the start screen: the transfer log Memo2 and the picture button
// Image5 back to the exchange page. The file transfer client's reports land
// here (and, except for a successful upload, in a message box too).
#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QPlainTextEdit;
class QWidget;
namespace tavrio { class cPictureArea; }

class cTextPage : public QObject {
    Q_OBJECT
public:
    // Builds the page's controls on `container` (TabSheet5); `showPage`
    // switches the start screen's page and runs its page-entered routine.
    cTextPage(QWidget* container, std::function<void(int)> showPage);

    QPlainTextEdit* memo() const { return Memo2; }

    // Reports of the file transfer client; names are 8-bit list file names.
    void UploadSucceeded(const std::string& name);
    void UploadFailed(const std::string& name);
    void DownloadSucceeded(const std::string& name);
    void DownloadFailedMessage(const std::string& name);

public slots:
    void Image5Click();

private:
    void report(const QString& line, bool withMessage);

    QPlainTextEdit* Memo2;
    tavrio::cPictureArea* Image5;
    std::function<void(int)> showPage_;
};

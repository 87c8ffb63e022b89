#include "start/TextPage.h"

#include "start/ExchangeLayout.h"
#include "ui/Frame.h"
#include "ui/Look.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Text.h"

#include <QPlainTextEdit>

namespace L = tavrio::layout::exchange;

cTextPage::cTextPage(QWidget* container, std::function<void(int)> showPage)
    : QObject(container), showPage_(std::move(showPage))
{
    Memo2 = new QPlainTextEdit(container);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(L::memo);
    tavrio::setVisibleFrame(Memo2); // whole also at factor 1.5
    Memo2->setReadOnly(true);
    Memo2->setPlainText(QStringLiteral("Memo2"));

    Image5 = new tavrio::cPictureArea(QStringLiteral("Image5"), L::textBackButton, container);
    Image5->setText(QStringLiteral("Zur\u00fcck"));
    Image5->setAlignment(Qt::AlignCenter);
    // No picture lies under this page: the area looks like the drawn
    // "Zurück" button of the exchange page beside it.
    tavrio::setStyleSheetWhenShown(Image5, QStringLiteral("background: #ffd65a; border: 2px solid #9f8638; "
                                                          "border-radius: 10px; font-weight: bold; font-size: 26px;"));
    Image5->setKeyReachable();
    connect(Image5, &tavrio::cPictureArea::clicked, this, &cTextPage::Image5Click);
}

void cTextPage::Image5Click()
{
    if (showPage_)
        showPage_(4);
}

void cTextPage::report(const QString& line, bool withMessage)
{
    if (withMessage)
        tavrio::showMessage(line);
    Memo2->appendPlainText(line);
}

void cTextPage::UploadSucceeded(const std::string& name)
{
    report(tavrio::fromAnsi(name) + QStringLiteral(" erfolgreich hochgeladen"), false);
}

void cTextPage::UploadFailed(const std::string& name)
{
    report(tavrio::fromAnsi(name) + QStringLiteral(" hochzuladen fehlgeschlagen"), true);
}

void cTextPage::DownloadSucceeded(const std::string& name)
{
    report(tavrio::fromAnsi(name) + QStringLiteral(" erfolgreich runtergeladen"), true);
}

void cTextPage::DownloadFailedMessage(const std::string& name)
{
    report(tavrio::fromAnsi(name) + QStringLiteral(" runterzuladen fehlgeschlagen"), true);
}

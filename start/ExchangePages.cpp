#include "start/ExchangePages.h"

#include "exchange/WebFileInterface.h"
#include "exchange/WebInterface.h"
#include "start/ExchangeLayout.h"
#include "start/ExchangePage.h"
#include "start/TextPage.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

cExchangePages installExchangePages(QWidget* editorPage, QWidget* exchangePage, QWidget* textPage,
                                    cWebinterface& web, cWebFileInterface& files,
                                    std::function<void(int)> showPage, const QString& mailAddress)
{
    cExchangePages pages;
    pages.exchange = new cExchangePage(exchangePage, web, files, showPage, mailAddress);
    pages.text = new cTextPage(textPage, showPage);

    auto* internet = new QPushButton(QStringLiteral("Aus dem Internet laden"), editorPage);
    internet->setObjectName(QStringLiteral("Button20"));
    internet->setGeometry(tavrio::layout::exchange::internetButton);
    QObject::connect(internet, &QPushButton::clicked, pages.exchange, &cExchangePage::Button20Click);

    cExchangePage* ex = pages.exchange;
    cTextPage* text = pages.text;
    web.OnSearchResult = [ex](const std::string& word, const cStringList& books, const cStringList& chapters,
                              const cStringList& words, const cStringList& authors, const cStringList& bookIds,
                              const cStringList& chapterIds) {
        ex->ShowSearchResult(word, books, chapters, words, authors, bookIds, chapterIds);
    };
    web.OnVersion = [ex](bool outdated, const std::string& message) { ex->ShowVersionMessage(outdated, message); };
    web.OnBooks = [ex](const cStringList& titles, const cStringList& ids) { ex->ShowBooks(titles, ids); };
    web.OnChapters = [ex](const cStringList& titles, const cStringList& ids) { ex->ShowChapters(titles, ids); };
    // The upload's report also shows where "Liste hochladen" was pressed.
    const auto lastLine = [text] { return text->memo()->document()->lastBlock().text(); };
    files.OnUploadSuccess = [text, ex, lastLine](const std::string& name) {
        ex->HideUnreachable();
        text->UploadSucceeded(name);
        ex->ShowUploadReport(lastLine());
    };
    files.OnUploadFailure = [text, ex, lastLine](const std::string& name) {
        text->UploadFailed(name);
        ex->ShowUploadReport(lastLine());
    };
    files.OnDownloadSuccess = [text, ex](const std::string& name) {
        ex->HideUnreachable();
        text->DownloadSucceeded(name);
    };
    files.OnDownloadFailure = [text](const std::string& name) { text->DownloadFailedMessage(name); };
    files.OnBusyChanged = [ex](bool busy) { ex->ShowBusy(busy); };
    files.OnReplaceAsk = [ex](const std::string& name) { return ex->AskReplace(name); };
    files.OnUnreachable = [ex] { ex->ShowUnreachable(); };
    web.OnUnreachable = [ex] { ex->ShowUnreachable(); };
    return pages;
}

#include "start/ExchangePage.h"

#include "exchange/WebFileInterface.h"
#include "start/ExchangeLayout.h"
#include "ui/Assets.h"
#include "ui/FileNames.h"
#include "ui/Frame.h"
#include "ui/Look.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace L = tavrio::layout::exchange;
using tavrio::fromAnsi;
using tavrio::toAnsi;

namespace {

constexpr int InstallColumn = 6;
const QString kInstall = QStringLiteral("Installieren");

QPushButton* hiddenButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->hide();
    return b;
}

template <class W>
W* hiddenWidget(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->hide();
    return w;
}

} // namespace

cExchangePage::cExchangePage(QWidget* container, cWebinterface& web, cWebFileInterface& files,
                             std::function<void(int)> showPage, QString mailAddress)
    : QObject(container), web_(web), files_(files), showPage_(std::move(showPage)), mail_(std::move(mailAddress))
{
    Image6 = new QLabel(container);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->setGeometry(0, 0, 800, 600);
    Image6->lower();

    Image4 = new tavrio::cPictureArea(QStringLiteral("Image4"), L::backButton, container);
    Image4->setKeyReachable();
    connect(Image4, &tavrio::cPictureArea::clicked, this, &cExchangePage::Image4Click);

    searchforwhat = new QLineEdit(QStringLiteral("searchforwhat"), container);
    searchforwhat->setObjectName(QStringLiteral("searchforwhat"));
    searchforwhat->setGeometry(L::searchEdit);
    connect(searchforwhat, &QLineEdit::returnPressed, this, &cExchangePage::Button19Click);

    Button19 = new QPushButton(QStringLiteral("Suchen"), container);
    Button19->setObjectName(QStringLiteral("Button19"));
    Button19->setGeometry(L::searchButton);
    connect(Button19, &QPushButton::clicked, this, &cExchangePage::Button19Click);

    searchresultfor = new QLabel(QStringLiteral("searchresultfor"), container);
    searchresultfor->setObjectName(QStringLiteral("searchresultfor"));
    searchresultfor->setGeometry(L::resultLabel);
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPixelSize(19);
    searchresultfor->setFont(comic);

    // The cell comes after the headers are hidden: a visible header
    // measures its captions, which loads their font.
    StringGrid2 = new QTableWidget(container);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setGeometry(L::resultGrid);
    tavrio::setVisibleFrame(StringGrid2); // whole also at factor 1.5
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->horizontalHeader()->setMinimumSectionSize(0);
    StringGrid2->verticalHeader()->hide();
    StringGrid2->setRowCount(1);
    StringGrid2->setColumnCount(1);
    StringGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The grid takes focus so the keyboard reaches "Installieren": arrows
    // move the current cell, Return or Space acts like a click on it. Tab
    // leaves the grid instead of walking its cells.
    StringGrid2->setFocusPolicy(Qt::StrongFocus);
    StringGrid2->setTabKeyNavigation(false);
    StringGrid2->installEventFilter(this);
    StringGrid2->setTextElideMode(Qt::ElideNone); // the narrow word-count column shows its digits
    StringGrid2->setWordWrap(false);
    connect(StringGrid2, &QTableWidget::cellClicked, this,
            [this](int row, int column) { StringGrid2SelectCell(column, row); });

    Label12 = new tavrio::cPictureArea(QStringLiteral("Label12"), L::mailArea, container);
    Label12->setKeyReachable();
    connect(Label12, &tavrio::cPictureArea::clicked, this, &cExchangePage::SelbstHinzuClick);

    Hochladen = new QPushButton(QStringLiteral("Liste hochladen"), container);
    Hochladen->setObjectName(QStringLiteral("Hochladen"));
    Hochladen->setGeometry(L::uploadButton);
    connect(Hochladen, &QPushButton::clicked, this, &cExchangePage::HochladenClick);

    TransferLaeuft = new QLabel(QStringLiteral("\u00dcbertragung l\u00e4uft \u2026"), container);
    TransferLaeuft->setObjectName(QStringLiteral("TransferLaeuft"));
    TransferLaeuft->setGeometry(L::busyLabel);
    TransferLaeuft->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TransferLaeuft->hide();

    NichtErreichbar = new QLabel(QStringLiteral("Die Tauschb\u00f6rse ist gerade nicht erreichbar."), container);
    NichtErreichbar->setObjectName(QStringLiteral("NichtErreichbar"));
    NichtErreichbar->setGeometry(L::unreachableLabel);
    tavrio::setTextColour(NichtErreichbar, QColor(0xb0, 0, 0));
    QFont bold = NichtErreichbar->font();
    bold.setBold(true);
    NichtErreichbar->setFont(bold);
    NichtErreichbar->hide();

    Hochladebericht = new QLabel(container);
    Hochladebericht->setObjectName(QStringLiteral("Hochladebericht"));
    Hochladebericht->setGeometry(L::uploadReport);
    Hochladebericht->setWordWrap(true);
    Hochladebericht->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Buecher = hiddenWidget<QComboBox>(container, "Buecher");
    BuecherIDs = hiddenWidget<QListWidget>(container, "BuecherIDs");
    kapitel = hiddenWidget<QComboBox>(container, "kapitel");
    KapitelIDs = hiddenWidget<QListWidget>(container, "KapitelIDs");
    Button18 = hiddenButton(container, "Button18", QStringLiteral("B\u00fccherauswahl"));
    getkapitelbutton = hiddenButton(container, "getkapitelbutton", QStringLiteral("Kapitelauswahl"));
    CheckForUpdatesButton = hiddenButton(container, "CheckForUpdatesButton", QStringLiteral("Updates?"));
    SelbstHinzu = hiddenButton(container, "SelbstHinzu", QStringLiteral("SelbstHinzu"));
    downloadone = hiddenButton(container, "downloadone", QStringLiteral("downloadone"));
    connect(Button18, &QPushButton::clicked, this, &cExchangePage::Button18Click);
    connect(getkapitelbutton, &QPushButton::clicked, this, &cExchangePage::getkapitelbuttonClick);
    connect(CheckForUpdatesButton, &QPushButton::clicked, this, &cExchangePage::CheckForUpdatesButtonClick);
    connect(SelbstHinzu, &QPushButton::clicked, this, &cExchangePage::SelbstHinzuClick);
    connect(downloadone, &QPushButton::clicked, this, &cExchangePage::downloadoneClick);
}

void cExchangePage::PageEntered()
{
    Image6->setPixmap(tavrio::loadPicture(QStringLiteral("BG\\vokabeln runterladen.bmp")));
}

void cExchangePage::ReleaseBackground()
{
    Image6->clear();
}

void cExchangePage::Button19Click()
{
    web_.Search(toAnsi(searchforwhat->text()));
    searchforwhat->clear();
}

void cExchangePage::Image4Click()
{
    if (showPage_)
        showPage_(1);
}

void cExchangePage::Button20Click()
{
    if (showPage_)
        showPage_(4);
}

void cExchangePage::SelbstHinzuClick()
{
    tavrio::seams().mail->openMail(mail_);
}

void cExchangePage::Button18Click() { web_.GetBooks(); }
void cExchangePage::getkapitelbuttonClick() { web_.GetChapters(); }
void cExchangePage::CheckForUpdatesButtonClick() { web_.CheckVersion(2); }

void cExchangePage::downloadoneClick()
{
    RequestDownload(FileNameOfRow(1));
}

void cExchangePage::HochladenClick()
{
    const QString path = tavrio::seams().files->openFileName(QStringLiteral("Liste hochladen"), QDir::currentPath(),
                                                             QStringLiteral("Vokabellisten (*.vok)"));
    if (path.isEmpty())
        return;
    const std::optional<std::string> name = tavrio::engineFileName(path);
    if (!name)
        return;
    files_.Upload(*name);
}

QString cExchangePage::Cell(int column, int row) const
{
    const QTableWidgetItem* item = StringGrid2->item(row, column);
    return item ? item->text() : QString();
}

QString cExchangePage::FileNameOfRow(int row) const
{
    return Cell(0, row) + QStringLiteral(" - ") + Cell(1, row) + QStringLiteral(".vok");
}

void cExchangePage::RequestDownload(const QString& fileName)
{
    try {
        files_.Download(toAnsi(fileName));
    } catch (...) {
        tavrio::showMessage(QStringLiteral("Fehler beim Downloaden"));
    }
}

void cExchangePage::StringGrid2SelectCell(int column, int row)
{
    StringGrid2->clearSelection();
    if (column != InstallColumn || row <= 0 || row >= StringGrid2->rowCount())
        return;
    const QString name = FileNameOfRow(row);
    if (tavrio::askYesNo(QStringLiteral("Die Vokabeldatei \"") + name + QStringLiteral("\" wirklich runterladen?")))
        RequestDownload(name);
}

bool cExchangePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            const QModelIndex current = StringGrid2->currentIndex();
            if (current.isValid())
                StringGrid2SelectCell(current.column(), current.row());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void cExchangePage::ShowSearchResult(const std::string& word, const cStringList& books, const cStringList& chapters,
                                     const cStringList& words, const cStringList& authors,
                                     const cStringList& bookIds, const cStringList& chapterIds)
{
    HideUnreachable();
    searchresultfor->setText(QStringLiteral("Suchergebnis f\u00fcr : \"") + fromAnsi(word) + QStringLiteral("\""));
    StringGrid2->clearContents();
    if (chapterIds.empty()) {
        StringGrid2->setRowCount(1);
        StringGrid2->setColumnCount(1);
        StringGrid2->setColumnHidden(0, false);
        StringGrid2->setColumnWidth(0, 662);
        StringGrid2->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Nichts passendes gefunden.")));
        return;
    }
    const int n = static_cast<int>(chapterIds.size());
    StringGrid2->setRowCount(n + 1);
    StringGrid2->setColumnCount(7);
    const QStringList header = {QStringLiteral("Buch"), QStringLiteral("Kapitel"), QStringLiteral("W\u00f6rter"),
                                QStringLiteral("Hinzugef\u00fcgt von"), QString(), QString(), QString()};
    const int widths[7] = {120, 215, 20, 100, 0, 0, 75};
    QFont bold = StringGrid2->font();
    bold.setBold(true);
    const QFontMetrics headerMetrics(bold);
    for (int c = 0; c < 7; ++c) {
        auto* item = new QTableWidgetItem(header[c]);
        item->setFont(bold);
        item->setBackground(StringGrid2->palette().button());
        StringGrid2->setItem(0, c, item);
        // A visible column is at least as wide as its header and, for the
        // last one, its "Installieren" (with the cell's margins).
        const int needed = qMax(headerMetrics.horizontalAdvance(header[c]),
                                c == InstallColumn ? StringGrid2->fontMetrics().horizontalAdvance(kInstall) : 0);
        const int width = widths[c] == 0 ? 0 : qMax(widths[c], needed + 12);
        StringGrid2->setColumnWidth(c, width);
        StringGrid2->setColumnHidden(c, width == 0);
    }
    auto at = [](const cStringList& list, int i) { return i < static_cast<int>(list.size()) ? list[i] : std::string(); };
    for (int i = 0; i < n; ++i) {
        const std::string cells[6] = {at(books, i), at(chapters, i), at(words, i),
                                      at(authors, i), at(bookIds, i), at(chapterIds, i)};
        for (int c = 0; c < 6; ++c)
            StringGrid2->setItem(i + 1, c, new QTableWidgetItem(fromAnsi(cells[c])));
        StringGrid2->setItem(i + 1, InstallColumn, new QTableWidgetItem(kInstall));
    }
}

void cExchangePage::ShowVersionMessage(bool outdated, const std::string& message)
{
    if (outdated)
        tavrio::showMessage(fromAnsi(message));
}

namespace {
void fill(QComboBox* titlesBox, QListWidget* idsBox, const cStringList& titles, const cStringList& ids)
{
    titlesBox->clear();
    idsBox->clear();
    for (const auto& t : titles)
        titlesBox->addItem(fromAnsi(t));
    for (const auto& id : ids)
        idsBox->addItem(fromAnsi(id));
    if (titlesBox->count() > 0)
        titlesBox->setCurrentIndex(0);
}
} // namespace

void cExchangePage::ShowBooks(const cStringList& titles, const cStringList& ids)
{
    fill(Buecher, BuecherIDs, titles, ids);
}

void cExchangePage::ShowChapters(const cStringList& titles, const cStringList& ids)
{
    fill(kapitel, KapitelIDs, titles, ids);
}

void cExchangePage::ShowBusy(bool busy)
{
    TransferLaeuft->setVisible(busy);
}

void cExchangePage::ShowUnreachable()
{
    NichtErreichbar->show();
}

void cExchangePage::HideUnreachable()
{
    NichtErreichbar->hide();
}

void cExchangePage::ShowUploadReport(const QString& line)
{
    Hochladebericht->setText(line);
}

bool cExchangePage::AskReplace(const std::string& name)
{
    return tavrio::askYesNo(QStringLiteral("Die Vokabelliste \"") + fromAnsi(name)
                                + QStringLiteral("\" gibt es schon. Ersetzen?"),
                            tavrio::cDefaultAnswer::No);
}

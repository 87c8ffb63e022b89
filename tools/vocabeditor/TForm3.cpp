#include "tools/vocabeditor/TForm3.h"

#include "engine/ListFile.h"
#include "tools/phonetics/TForm25.h"
#include "tools/vocabeditor/VocableModel.h"
#include "tools/vocabeditor/VocabularyFile.h"
#include "ui/Assets.h"
#include "ui/FileNames.h"
#include "ui/Frame.h"
#include "ui/HelpWindow.h"
#include "ui/Navigation.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Unsaved.h"
#include "ui/Widgets.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <algorithm>

using namespace tavrio;

namespace {
const QString kFilter = QStringLiteral("Vokabeln-dateien (*.vok)");
const QString kSaveFilter = QStringLiteral("Vokabeln-Dateien (*.vok)");

QListView* listView(const char* name, cVocableModel* model, int column, QWidget* parent)
{
    auto* l = new QListView(parent);
    l->setObjectName(QString::fromLatin1(name));
    // Every row is one line of the same height: the view measures one, not
    // all of a list's hundred thousands.
    l->setUniformItemSizes(true);
    l->setModel(model);
    l->setModelColumn(column);
    return l;
}

// Initial items of the three lists before a file is loaded.
const char* const kInitialItems[] = {"Laden sie eine Datei oder", "\xe4ndern sie diese Daten !"};
} // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Vokabeln editieren"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    makeFixedBorderless(this, QSize(800, 600));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 1, 1);

    namedLabel(QStringLiteral("Vokabeln editieren"), "Label1", QPoint(20, 12), this, 28);
    namedLabel(QStringLiteral("Datei :"), "Label2", QPoint(20, 62), this);
    Dateiname = namedEdit(QStringLiteral("vokabeln.vok"), "Dateiname", QRect(80, 58, 400, 26), this);
    Dateiname->setReadOnly(true);

    entries_ = new cVocableModel(this);
    for (const char* text : kInitialItems)
        entries_->append({text, text, text, false});
    Vokabellisteorginal = listView("Vokabellisteorginal", entries_, cVocableModel::Original, this);
    Vokabellisteorginal->setGeometry(20, 100, 340, 416);
    Vokabellisteorginal->setSelectionMode(QAbstractItemView::ExtendedSelection);
    setVisibleFrame(Vokabellisteorginal);
    Vokabellisteuebersetzung = listView("Vokabellisteuebersetzung", entries_, cVocableModel::Translation, this);
    Vokabellisteuebersetzung->hide();
    Vokabellistelautschrift = listView("Vokabellistelautschrift", entries_, cVocableModel::Phonetic, this);
    Vokabellistelautschrift->hide();

    namedLabel(QStringLiteral("Aktuell selektiertes"), "Label8", QPoint(380, 100), this);
    selectedorginal = namedEdit(QStringLiteral("selektiertes Original"), "selectedorginal", QRect(490, 124, 290, 26), this);
    selecteduebersetzung =
        namedEdit(QStringLiteral("selektierte Uebersetzung"), "selecteduebersetzung", QRect(490, 154, 290, 26), this);
    selectedLautschrift = new cPhoneticEdit(QStringLiteral("selectedLautschrift"), this, 16);
    selectedLautschrift->setGeometry(490, 184, 290, 30);
    selectedLautschrift->setBytes("selektierte Uebersetzung");
    for (QLineEdit* e : {selectedorginal, selecteduebersetzung})
        e->setReadOnly(true);

    namedLabel(QStringLiteral("Aktuell editiertes"), "Label9", QPoint(380, 228), this);
    namedLabel(QStringLiteral("Original :"), nullptr, QPoint(380, 256), this);
    Orginal = namedEdit(QStringLiteral("editiertes Original"), "Orginal", QRect(490, 252, 290, 26), this);
    namedLabel(QStringLiteral("Übersetzung :"), nullptr, QPoint(380, 286), this);
    Uebersetzung = namedEdit(QStringLiteral("editierte Uebersetzung"), "Uebersetzung", QRect(490, 282, 290, 26), this);
    namedLabel(QStringLiteral("Lautschrift :"), nullptr, QPoint(380, 318), this);
    Lautschrift = new cPhoneticEdit(QStringLiteral("Lautschrift"), this, 16);
    Lautschrift->setGeometry(490, 312, 290, 30);

    auto* b5 = namedButton(QStringLiteral("Selektiertes editieren"), "Button5", QRect(380, 356, 196, 32), this);
    connect(b5, &QPushButton::clicked, this, &TForm3::Button5Click);
    auto* b4 = namedButton(QStringLiteral("Editiertes enfügen"), "Button4", QRect(584, 356, 196, 32), this);
    connect(b4, &QPushButton::clicked, this, &TForm3::Button4Click);
    auto* b9 = namedButton(QStringLiteral("Lautschrift editieren"), "Button9", QRect(380, 394, 196, 32), this);
    connect(b9, &QPushButton::clicked, this, &TForm3::Button9Click);
    auto* b6 = namedButton(QStringLiteral("Neue Vokabel erstellen"), "Button6", QRect(584, 394, 196, 32), this);
    connect(b6, &QPushButton::clicked, this, &TForm3::Button6Click);
    auto* b7 = namedButton(QStringLiteral("Selektierte Vokabel löschen"), "Button7", QRect(380, 432, 400, 32), this);
    connect(b7, &QPushButton::clicked, this, &TForm3::Button7Click);
    auto* b3 = namedButton(QStringLiteral("Datei Öffnen"), "Button3", QRect(20, 528, 166, 32), this);
    connect(b3, &QPushButton::clicked, this, &TForm3::Button3Click);
    auto* b2 = namedButton(QStringLiteral("Datei Speichern"), "Button2", QRect(194, 528, 166, 32), this);
    connect(b2, &QPushButton::clicked, this, &TForm3::Button2Click);
    auto* b8 = namedButton(QStringLiteral("Hilfe"), "Button8", QRect(380, 556, 100, 32), this);
    connect(b8, &QPushButton::clicked, this, &TForm3::Button8Click);
    auto* b1 = namedButton(QStringLiteral("Zurück"), "Button1", QRect(680, 556, 100, 32), this);
    connect(b1, &QPushButton::clicked, this, &TForm3::Button1Click);

    // The selected fields follow every change of the current entry or of its
    // texts (no polling timer).
    QItemSelectionModel* selection = Vokabellisteorginal->selectionModel();
    connect(selection, &QItemSelectionModel::currentRowChanged, this, &TForm3::VokabellisteorginalClick);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &TForm3::VokabellisteorginalClick);
    // A tick set or taken away, or stored texts, change the list.
    connect(entries_, &QAbstractItemModel::dataChanged, this, [this] { changed_ = true; });
    changed_ = false;

    // Tab walks the list, the fields being edited and the buttons as they
    // stand; the read-only fields take the mouse only.
    for (QLineEdit* e : {Dateiname, selectedorginal, selecteduebersetzung, static_cast<QLineEdit*>(selectedLautschrift)})
        e->setFocusPolicy(Qt::ClickFocus);
    QWidget* const order[] = {Vokabellisteorginal, Orginal, Uebersetzung, Lautschrift, b5, b4, b9, b6, b7, b3, b2, b8, b1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm3::openFrom(QWidget* opener)
{
    opener_ = opener;
    openWindow(opener, this);
}

void TForm3::setFileName(const QString& path) { Dateiname->setText(path); }

void TForm3::takeFromPhonetic(const QString& original, const QString& translation, const std::string& phonetic)
{
    Lautschrift->setBytes(phonetic);
    Uebersetzung->setText(translation);
    Orginal->setText(original);
}

int TForm3::entryCount() const { return entries_->rowCount(); }

TForm3::Entry TForm3::entry(int row) const { return entries_->entry(row); }

int TForm3::selectedRow() const
{
    const QModelIndex current = Vokabellisteorginal->currentIndex();
    return current.isValid() && Vokabellisteorginal->selectionModel()->isSelected(current) ? current.row() : -1;
}

void TForm3::VokabellisteorginalClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Entry e = entry(row);
    selectedorginal->setText(fromAnsi(e.original));
    selecteduebersetzung->setText(fromAnsi(e.translation));
    selectedLautschrift->setBytes(e.phonetic);
}

QString TForm3::dialogStart() const
{
    const QString name = Dateiname->text();
    if (QFileInfo(name).isAbsolute() || folder_.isEmpty())
        return name;
    return QDir(folder_).filePath(name);
}

void TForm3::Button3Click()
{
    // A loaded list replaces this one: unsaved changes are only given up on "Ja".
    if (!mayLoadOver(changed_))
        return;
    const QString path =
        seams().files->openFileName(QStringLiteral("Vokabeldatei laden"), dialogStart(), kFilter);
    if (path.isEmpty()) {
        showMessage(QStringLiteral("NICHT geladen !"));
        return;
    }
    const std::optional<std::string> name = engineFileName(path);
    if (!name)
        return;
    std::string bytes;
    const cReadResult read = ReadFileLimited(*name, bytes, vocabeditor::kMaxFileBytes);
    const bool tooMany = read == cReadResult::Ok && vocabeditor::CountVocabulary(bytes) > vocabeditor::kMaxEntries;
    if (read != cReadResult::Ok || tooMany) {
        showMessage(read == cReadResult::TooLarge || tooMany
                        ? QStringLiteral("Die Datei ist zu groß für eine Vokabelliste.\r\nNICHT geladen !")
                        : QStringLiteral("NICHT geladen !"));
        return;
    }
    folder_ = QFileInfo(path).absolutePath();
    Dateiname->setText(path);
    entries_->load(bytes);
    changed_ = false;
    showMessage(QStringLiteral("Geladen !"));
}

void TForm3::Button2Click()
{
    QString path =
        seams().files->saveFileName(QStringLiteral("Vokabeldatei speichern"), dialogStart(), kSaveFilter);
    if (path.isEmpty()) {
        showMessage(QStringLiteral("NICHT gespeichert !"));
        return;
    }
    folder_ = QFileInfo(path).absolutePath();
    // Only the file's own name counts: a dot in a folder name is no extension.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QStringLiteral(".vok");
    Dateiname->setText(path);
    const std::optional<std::string> name = engineFileName(path);
    if (!name)
        return;
    if (!WriteFileAtomic(*name, entries_->format())) {
        showMessage(QStringLiteral("Die Datei konnte nicht geschrieben werden; die alte Datei ist unverändert.\r\n"
                                   "NICHT gespeichert !"));
        return;
    }
    changed_ = false;
    showMessage(QStringLiteral("Gespeichert !"));
}

void TForm3::Button5Click()
{
    Uebersetzung->setText(selecteduebersetzung->text());
    Lautschrift->setBytes(selectedLautschrift->bytes());
    Orginal->setText(selectedorginal->text());
}

void TForm3::Button4Click()
{
    const Entry e{toAnsi(Orginal->text()), toAnsi(Uebersetzung->text()), Lautschrift->bytes(), false};
    const int row = selectedRow();
    if (row >= 0) {
        entries_->setTexts(row, e.original, e.translation, e.phonetic);
    } else {
        entries_->append(e);
    }
    changed_ = true;
    selectedorginal->setText(fromAnsi(e.original));
    selecteduebersetzung->setText(fromAnsi(e.translation));
    selectedLautschrift->setBytes(e.phonetic);
}

void TForm3::Button6Click()
{
    entries_->append({"Neu Orginal", "Neu Uebersetzung", "", false});
    changed_ = true;
}

void TForm3::Button7Click()
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : Vokabellisteorginal->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // At least one entry stays, also when every entry is selected.
    if (entryCount() < 2 || int(rows.size()) >= entryCount()) {
        showMessage(QStringLiteral("Es muss mindestens eine Vokabel vorhanden sein !"));
        return;
    }
    entries_->removeRows(rows);
    changed_ = changed_ || !rows.empty();
}

void TForm3::Button9Click()
{
    TForm25* phonetic = windows().form25;
    if (!phonetic)
        return;
    phonetic->openFrom(this);
    phonetic->setTexts(Orginal->text(), Uebersetzung->text(), Lautschrift->bytes());
}

void TForm3::Button8Click() { showHelp(QStringLiteral("Hilfe\\VokabelEditor.bmp")); }

void TForm3::Button1Click() { close(); }

void TForm3::showEvent(QShowEvent* event)
{
    Image1->setPixmap(loadPicture(QStringLiteral("BG\\VokabelEditor.bmp")));
    Image1->adjustSize();
    Image1->lower();
    QWidget::showEvent(event);
}

void TForm3::closeEvent(QCloseEvent* event)
{
    if (isVisible() && !mayCloseWith(changed_)) {
        event->ignore();
        return;
    }
    Image1->clear();
    Image1->resize(1, 1);
    event->accept();
    returnTo(nullptr, opener_);
}

void TForm3::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

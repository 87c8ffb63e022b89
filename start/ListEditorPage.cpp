#include "start/ListEditorPage.h"

#include "engine/ListFile.h"
#include "start/Layout.h"
#include "start/ListEditorModel.h"
#include "start/ListTransfer.h"
#include "start/Profiles.h"
#include "start/StartScreen.h"
#include "ui/FileNames.h"
#include "ui/Frame.h"
#include "ui/Navigation.h"
#include "ui/Phonetic.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tavrio {

namespace {

// Where the controls sit on the 800 x 600 page. The bottom right corner
// (from x = 560 on the last row) belongs to the exchange's Button20.
constexpr QRect kListLabel{10, 12, 110, 30};
constexpr QRect kListChoice{120, 12, 260, 30};
constexpr QRect kNameEdit{400, 12, 240, 30};
constexpr QRect kNewButton{650, 12, 140, 30};
constexpr QRect kGrid{10, 52, 780, 392};
constexpr QRect kOriginalEdit{10, 456, 210, 30};
constexpr QRect kTranslationEdit{230, 456, 210, 30};
constexpr QRect kPhoneticLabel{450, 456, 100, 30};
constexpr QRect kPhoneticEdit{550, 456, 110, 30};
constexpr QRect kAddButton{670, 456, 120, 30};
constexpr QRect kPhoneticButton{550, 496, 110, 30};
constexpr QRect kBackButton{10, 556, 130, 32};
constexpr QRect kSaveButton{150, 556, 160, 32};
constexpr QRect kSaveAsButton{320, 556, 180, 32};
constexpr QRect kImportButton{10, 496, 170, 30};
constexpr QRect kExportButton{190, 496, 170, 30};

// Column widths in the proportions 14 : 143 : 143 : 72 : 138 : 60, widened to
// fill the grid at the page's larger font.
constexpr int kColumnWidths[] = {24, 190, 190, 95, 185, 75};

const QString kDiscardToChoose = QStringLiteral(
    "Du hast die Datei geändert.\r\n Möchtest du ohne Speichern eine andere wählen?\r\nAlle Änderungen gehen dan verloren!");
const QString kDiscardToLeave = QStringLiteral(
    "Du hast die Datei geändert.\r\n Möchtest du ohne Speichern verlassen?\r\nAlle Änderungen gehen dann verloren!");

const QString kDeleteRow = QStringLiteral("Die Zeile \"%1 - %2\" wirklich löschen?");

bool isWorkingDirectory(const QString& dir)
{
    return QDir(dir).canonicalPath() == QDir::current().canonicalPath();
}

} // namespace

cListEditorPage::cListEditorPage(TFormStart* owner)
    : owner_(owner)
{
    setObjectName(QStringLiteral("TabSheet2"));
    setPageFont(this);

    auto* listLabel = new QLabel(QStringLiteral("Vokabelliste :"), this);
    listLabel->setGeometry(kListLabel);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(kListChoice);
    connect(ComboBox2, &QComboBox::activated, this, &cListEditorPage::ComboBox2Change);
    Edit2 = namedEdit(QStringLiteral("Vokabellistename"), "Edit2", kNameEdit, this);
    Button6 = namedButton(QStringLiteral("Neu"), "Button6", kNewButton, this);
    connect(Button6, &QPushButton::clicked, this, &cListEditorPage::Button6Click);

    model_ = new cListEditorModel([] { return static_cast<const cSession*>(session()); }, this);
    connect(model_, &cListEditorModel::edited, this, &cListEditorPage::StringGrid1SetEditText);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(kGrid);
    tavrio::setVisibleFrame(StringGrid1); // whole also at factor 1.5
    // A visible header measures its captions (loading their font) whenever
    // the columns or the font change; it appears with the grid.
    StringGrid1->horizontalHeader()->hide();
    whenFirstShown(StringGrid1, [header = StringGrid1->horizontalHeader()] { header->show(); });
    StringGrid1->setModel(model_);
    QFont gridFont = StringGrid1->font();
    gridFont.setPixelSize(14);
    StringGrid1->setFont(gridFont);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(20);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed);
    for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
        StringGrid1->setColumnWidth(c, kColumnWidths[c]);
    StringGrid1->setColumnHidden(cListEditorModel::PhoneticColumn, true);
    connect(StringGrid1, &QTableView::clicked, this, &cListEditorPage::ggrid);

    Edit3 = namedEdit(QStringLiteral("Original"), "Edit3", kOriginalEdit, this);
    Edit4 = namedEdit(QStringLiteral("Uebersetzung"), "Edit4", kTranslationEdit, this);
    auto* phoneticLabel = new QLabel(QStringLiteral("Lautschrift :"), this);
    phoneticLabel->setGeometry(kPhoneticLabel);
    Edit5 = namedEdit(QString(), "Edit5", kPhoneticEdit, this);
    Edit5->setReadOnly(true);
    setFontWhenShown(Edit5, phoneticFont(16));
    Button7 = namedButton(QStringLiteral("Hinzufügen"), "Button7", kAddButton, this);
    connect(Button7, &QPushButton::clicked, this, &cListEditorPage::Button7Click);
    connect(Edit4, &QLineEdit::returnPressed, this, &cListEditorPage::Button7Click);
    LautschriftButton = namedButton(QStringLiteral("Lautschrift"), "LautschriftButton", kPhoneticButton, this);
    connect(LautschriftButton, &QPushButton::clicked, this, &cListEditorPage::LautschriftButtonClick);

    Button5 = namedButton(QStringLiteral("Zurück"), "Button5", kBackButton, this);
    connect(Button5, &QPushButton::clicked, this, &cListEditorPage::Button5Click);
    Button8 = namedButton(QStringLiteral("Speichern"), "Button8", kSaveButton, this);
    connect(Button8, &QPushButton::clicked, this, &cListEditorPage::Button8Click);
    Button9 = namedButton(QStringLiteral("Speichern als"), "Button9", kSaveAsButton, this);
    connect(Button9, &QPushButton::clicked, this, &cListEditorPage::Button9Click);

    // Lists in from other tools and out again.
    new cListTransfer(this, kImportButton, kExportButton,
                      {[this](std::string& name, std::vector<cListEntry>& rows) {
                           if (!hasList_)
                               return false;
                           name = listBytes_;
                           rows = model_->entries();
                           return true;
                       },
                       [this](const std::string& name) {
                           Edit2->setText(fromAnsi(name));
                           enter();
                       }});
}

void cListEditorPage::setNewEntryPhonetic(const std::string& phonetic)
{
    newPhonetic_ = phonetic;
    Edit5->setText(fromPhonetic(phonetic));
}

void cListEditorPage::enter()
{
    ComboBox2->clear();
    int chosen = -1;
    for (const cNamedFile& f : listFiles(".vok")) {
        ComboBox2->addItem(f.display, QByteArray::fromStdString(f.bytes));
        if (chosen < 0 && f.display == Edit2->text())
            chosen = ComboBox2->count() - 1;
    }
    if (chosen < 0)
        chosen = ComboBox2->count() - 1;
    ComboBox2->setCurrentIndex(chosen);
    ComboBox2Change();
}

void cListEditorPage::ComboBox2Change()
{
    if (changed_) {
        if (!askYesNo(kDiscardToChoose, cDefaultAnswer::No)) {
            restorePreviousChoice();
            return;
        }
        changed_ = false;
    }
    loadChosenList();
}

// Puts the list whose rows the grid still shows back into the choice; a list
// whose file has gone meanwhile is offered again, so "Speichern" writes it.
void cListEditorPage::restorePreviousChoice()
{
    if (!hasList_)
        return;
    const int i = ComboBox2->findData(QByteArray::fromStdString(listBytes_));
    if (i >= 0) {
        ComboBox2->setCurrentIndex(i);
        return;
    }
    ComboBox2->addItem(fromAnsi(listBytes_), QByteArray::fromStdString(listBytes_));
    ComboBox2->setCurrentIndex(ComboBox2->count() - 1);
}

void cListEditorPage::loadChosenList()
{
    model_->setEntries({});
    unreadable_ = false;
    const int i = ComboBox2->currentIndex();
    hasList_ = i >= 0;
    listBytes_ = hasList_ ? ComboBox2->itemData(i).toByteArray().toStdString() : std::string();
    if (!hasList_)
        return;
    const std::string path = listBytes_ + ".vok";
    std::string bytes;
    const cReadResult read = ReadFileLimited(path, bytes, MaxListBytes);
    if (read != cReadResult::Ok) {
        // Saving must not replace a list that was never shown.
        unreadable_ = FileExists(path);
        showMessage(read == cReadResult::TooLarge
                        ? fromAnsi(ListTooLargeMessage(path))
                        : QStringLiteral("Die Vokabelliste \"%1.vok\" konnte nicht gelesen werden.").arg(fromAnsi(listBytes_)));
        return;
    }
    model_->setList(bytes);
}

void cListEditorPage::ggrid()
{
    const QModelIndex index = StringGrid1->currentIndex();
    if (!index.isValid())
        return;
    switch (index.column()) {
    case cListEditorModel::MarkColumn:
        model_->toggleMark(index.row());
        changed_ = true;
        break;
    case cListEditorModel::OriginalColumn:
    case cListEditorModel::TranslationColumn:
        StringGrid1->edit(index);
        break;
    case cListEditorModel::DeleteColumn:
        // A click slips easily; the row goes only when the learner says so.
        if (!askYesNo(kDeleteRow.arg(index.siblingAtColumn(cListEditorModel::OriginalColumn).data().toString(),
                                     index.siblingAtColumn(cListEditorModel::TranslationColumn).data().toString()),
                       cDefaultAnswer::No))
            break;
        model_->deleteRow(index.row());
        // A deleted row is lost unless the list is saved, so leaving asks.
        changed_ = true;
        break;
    default:
        break;
    }
}

void cListEditorPage::StringGrid1SetEditText(bool lossy)
{
    changed_ = true;
    if (lossy)
        // Not from inside the cell editor's commit: the box takes the focus.
        QMetaObject::invokeMethod(this, &cListEditorPage::reportReplacedCharacters, Qt::QueuedConnection);
}

void cListEditorPage::reportReplacedCharacters()
{
    showMessage(QStringLiteral("Einige Zeichen kann Tavrio nicht speichern.\r\nSie wurden durch \"?\" ersetzt."));
}

void cListEditorPage::Button7Click()
{
    bool lossyOriginal = false;
    bool lossyTranslation = false;
    cListEditorModel::Row row;
    row.marked = true;
    row.original = storableText(Edit3->text(), &lossyOriginal);
    row.translation = storableText(Edit4->text(), &lossyTranslation);
    row.phonetic = newPhonetic_;
    model_->appendRow(std::move(row));
    // An added row is lost unless the list is saved, so leaving asks.
    changed_ = true;
    StringGrid1->scrollToBottom();
    // Ready for the next pair.
    Edit3->clear();
    Edit4->clear();
    Edit3->setFocus();
    if (lossyOriginal || lossyTranslation)
        reportReplacedCharacters();
}

void cListEditorPage::Button6Click()
{
    const QString name = Edit2->text();
    if (name.trimmed().isEmpty()) {
        showMessage(QStringLiteral("Bitte gib zuerst einen Namen für die neue Vokabelliste ein."));
        return;
    }
    if (const QString problem = profileNameProblem(name); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    const std::string bytes = toAnsi(name);
    if (FileExists(bytes + ".vok")) {
        showMessage(QStringLiteral("Die Vokablliste \"%1.vok\" existiert schon.").arg(name));
        return;
    }
    if (changed_ && !askYesNo(kDiscardToChoose, cDefaultAnswer::No))
        return;
    if (!WriteFileAtomic(bytes + ".vok", FormatList4({{"Original", "Translation", "1", ""}}))) {
        showMessage(QStringLiteral("Die Vokabelliste \"%1.vok\" konnte nicht angelegt werden.").arg(name));
        return;
    }
    changed_ = false;
    enter();
}

bool cListEditorPage::writeRows(const std::string& path, const QString& shownName)
{
    if (WriteFileAtomic(path, model_->list4()))
        return true;
    showMessage(QStringLiteral("Die Vokabelliste \"%1\" konnte nicht gespeichert werden.\r\n"
                               "Deine Änderungen sind noch da; versuche es noch einmal oder nimm \"Speichern als\".")
                    .arg(shownName));
    return false;
}

void cListEditorPage::Button8Click()
{
    if (!hasList_) {
        showMessage(QStringLiteral("Es ist keine Vokabelliste gewählt.\r\nLege mit \"Neu\" eine an."));
        return;
    }
    const QString shown = fromAnsi(listBytes_) + QStringLiteral(".vok");
    if (unreadable_) {
        showMessage(QStringLiteral("Die Vokabelliste \"%1\" konnte nicht gelesen werden und wird nicht überschrieben.\r\n"
                                   "Nimm \"Speichern als\".")
                        .arg(shown));
        return;
    }
    if (writeRows(listBytes_ + ".vok", shown)) {
        changed_ = false;
        unreadable_ = false;
    }
}

void cListEditorPage::Button9Click()
{
    const QString proposed = QDir::current().filePath(ComboBox2->currentText() + QStringLiteral("2.vok"));
    QString chosen = seams().files->saveFileName(QStringLiteral("Vokabeldatei speichern als ..."), proposed,
                                                 QStringLiteral("Vokabel-Datei (*.vok)"));
    if (chosen.isEmpty())
        return;
    QFileInfo info(chosen);
    if (info.suffix().isEmpty())
        info.setFile(chosen + QStringLiteral(".vok"));
    // In the working directory the list is named like every list the
    // program makes, so the list choice shows it; elsewhere by its path.
    const bool here = isWorkingDirectory(info.absolutePath());
    if (here) {
        if (const QString problem = profileNameProblem(info.completeBaseName()); !problem.isEmpty()) {
            showMessage(problem);
            return;
        }
    }
    const std::optional<std::string> engineName = engineFileName(here ? info.fileName() : info.absoluteFilePath());
    if (!engineName)
        return;
    const std::string path = *engineName;
    const QString name = here ? info.fileName() : info.absoluteFilePath();
    if (!writeRows(path, name))
        return;
    Edit2->setText(name.chopped(4));
    changed_ = false;
    enter();
}

void cListEditorPage::Button5Click()
{
    if (changed_ && !askYesNo(kDiscardToLeave, cDefaultAnswer::No))
        return;
    changed_ = false;
    owner_->showPage(TFormStart::ListSelectionPage);
}

void cListEditorPage::LautschriftButtonClick()
{
    // The phonetic entry hands its transcription back for the next entry
    // added with "Hinzufügen".
    openPhoneticEntry(owner_, [this](const std::string& phonetic) { setNewEntryPhonetic(phonetic); });
}

} // namespace tavrio

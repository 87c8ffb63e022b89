#pragma once
// The list editor page's "Importieren …" and "Exportieren …": lists in from
// other tools (delimited text, Anki, Quizlet, KVTML) and out again as a
// spreadsheet-friendly file. The page hands in how to read its current list
// and how to show a list by name.
#include "engine/ListFile.h"

#include <QObject>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace tavrio {

namespace transfer { struct cPhoneticCodec; }

// The program's one phonetic table, both ways (IPA text as UTF-8).
const transfer::cPhoneticCodec& phoneticCodec();

class cListTransfer : public QObject {
    Q_OBJECT
public:
    struct cPageAccess {
        // The shown list's name (engine bytes) and its rows; false when no
        // list is shown.
        std::function<bool(std::string& name, std::vector<cListEntry>& rows)> current;
        // Shows the list of that name in the grid.
        std::function<void(const std::string& name)> show;
    };
    cListTransfer(QWidget* page, const QRect& importButton, const QRect& exportButton, cPageAccess access);

public slots:
    void ImportClick();
    void ExportClick();

private:
    QWidget* page_;
    QPushButton* import_;
    QPushButton* export_;
    cPageAccess access_;
};

} // namespace tavrio

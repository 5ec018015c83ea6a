#include "TF_Help.h"
#include "shell/Look.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace kelvara {

TF_Help::TF_Help(const QString& fontName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("F_Help"));
    setFixedSize(554, 394);
    setWindowTitle(QStringLiteral("Pomoc"));
    PaintCream(this, true);
    ApplyFontFamily(this, fontName);
    Memo_Help = new QPlainTextEdit(this);
    Memo_Help->setObjectName(QStringLiteral("Memo_Help"));
    Memo_Help->setReadOnly(true);
    Memo_Help->setGeometry(8, 8, 537, 337);
    // In the memo's place for a document: its links between the help pages work inside it.
    Browser_Help = new QTextBrowser(this);
    Browser_Help->setObjectName(QStringLiteral("Browser_Help"));
    Browser_Help->setGeometry(Memo_Help->geometry());
    Browser_Help->setOpenExternalLinks(true);
    Browser_Help->hide();
    Cmd_OK = new QPushButton(QStringLiteral("zamknij"), this);
    Cmd_OK->setObjectName(QStringLiteral("Cmd_OK"));
    Cmd_OK->setGeometry(227, 356, 100, 27);
    Cmd_OK->setDefault(true);
    connect(Cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_Help::showEvent(QShowEvent* event) {
    if (Anchor)
        CentreOn(this, Anchor->frameGeometry());
    QDialog::showEvent(event);
}

void TF_Help::SetHelpText(const QString& text) {
    Memo_Help->clear();
    Memo_Help->setPlainText(text);
    Browser_Help->hide();
    Memo_Help->show();
}

bool TF_Help::ShowHelpDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    Browser_Help->clear();
    Browser_Help->clearHistory();
    Browser_Help->setSource(QUrl::fromLocalFile(path));
    Memo_Help->hide();
    Browser_Help->show();
    exec();
    return true;
}

} // namespace kelvara

#include "keywordcompleter.h"

#include "text.h"

#include <QLineEdit>
#include <QStandardItemModel>
#include <algorithm>

namespace {

QString Folded(const QString& text)
{
    return QString::fromStdU16String(FoldForSearch(text.toStdU16String()));
}

// Where the word being typed starts: after the last character that is not
// part of a word.
qsizetype LastWordStart(const QString& text)
{
    qsizetype start = text.size();
    while (start > 0 && text[start - 1].isLetterOrNumber())
        --start;
    return start;
}

} // namespace

KeywordCompleter::KeywordCompleter(const std::vector<std::u16string>& words, QLineEdit* edit) : QCompleter(edit)
{
    std::vector<std::pair<QString, QString>> rows;
    for (const std::u16string& word : words)
        rows.emplace_back(Folded(QString::fromStdU16String(word)), QString::fromStdU16String(word));
    std::sort(rows.begin(), rows.end());
    auto* model = new QStandardItemModel(int(rows.size()), 1, this);
    for (int row = 0; row < int(rows.size()); ++row) {
        auto* item = new QStandardItem(rows[std::size_t(row)].second);
        item->setData(rows[std::size_t(row)].first, kFoldedRole);
        model->setItem(row, item);
    }
    setModel(model);
    setCompletionRole(kFoldedRole);
    setModelSorting(QCompleter::CaseSensitivelySortedModel);
    setCompletionMode(QCompleter::PopupCompletion);
    setCaseSensitivity(Qt::CaseSensitive);
    edit->setCompleter(this);
}

QStringList KeywordCompleter::splitPath(const QString& path) const
{
    const QString word = path.mid(LastWordStart(path));
    // Nothing to complete after a space or a comma: a prefix no word has keeps the popup closed.
    if (word.isEmpty())
        return {QStringLiteral("\x01")};
    return {Folded(word)};
}

QString KeywordCompleter::pathFromIndex(const QModelIndex& index) const
{
    const auto* edit = qobject_cast<const QLineEdit*>(widget());
    const QString text = edit ? edit->text() : QString();
    return text.left(LastWordStart(text)) + index.data(Qt::DisplayRole).toString();
}

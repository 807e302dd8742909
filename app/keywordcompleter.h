#pragma once
// Completion of the word being typed in the keyword box from the book's own
// English and French words, compared without case or accents: "cafe" offers
// "café". A standard completer popup, driven by the keyboard: the arrows
// choose, Enter takes the word, Escape closes it. Taking a word replaces only
// the last word of the keyword.

#include <QCompleter>
#include <string>
#include <vector>

class QLineEdit;

class KeywordCompleter : public QCompleter {
    Q_OBJECT
public:
    KeywordCompleter(const std::vector<std::u16string>& words, QLineEdit* edit);

    QStringList splitPath(const QString& path) const override;
    QString pathFromIndex(const QModelIndex& index) const override;

    // The role that holds each word as it is compared.
    static constexpr int kFoldedRole = Qt::UserRole + 1;
};

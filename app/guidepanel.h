#pragma once
// The pronunciation guide under the French of the selected phrase: the
// respelling for an English reader, in the skin's ink, with the IPA for a
// screen reader and a tool tip. It shows nothing when the guide file is
// missing or damaged, or when no French is shown.

#include <QLabel>
#include <QString>

class GuidePanel : public QLabel {
    Q_OBJECT
public:
    // Lies under `translation`, the control that shows the French.
    GuidePanel(QWidget* parent, QWidget* translation);

    // Shows the guide of phrase `number` from the data folder (the current
    // directory), when `french` (its translation as shown) is not empty.
    void ShowGuideOf(int number, const QString& french);
    QString Ipa() const { return ipa; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PlaceUnder(const QString& french);

    QWidget* translation;
    QString ipa;
};

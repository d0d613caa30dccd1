#pragma once

#include <QLabel>
#include <QString>

namespace TandAccount {

// One line of plain text that gives way when space is short: it ends in
// "…" and the whole text shows as its tooltip, instead of pushing the
// window wider. For names and addresses a service sent, which may be long.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    QString fullText() const { return m_fullText; }
    void setFullText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFitting();

    QString m_fullText;
};

} // namespace TandAccount

#include "register/SplitLinesWidget.h"

#include "register/CategoryComboBox.h"
#include "register/SmartAmountField.h"
#include "storage/Money.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Columns share the row's width in these proportions, whatever their texts,
// so that the rows line up.
constexpr int kCategoryStretch = 4;
constexpr int kMemoStretch = 3;
constexpr int kAmountStretch = 2;

void setColumnWidth(QWidget* field, int minimumChars, int stretchFactor, QHBoxLayout* layout)
{
    field->setSizePolicy(QSizePolicy::Ignored, field->sizePolicy().verticalPolicy());
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * minimumChars);
    layout->addWidget(field, stretchFactor);
}

} // namespace

SplitLinesWidget::SplitLinesWidget(const CategoryChoices& choices, Currency currency, QWidget* parent)
    : QWidget(parent)
    , m_choices(choices)
    , m_currency(currency)
{
    auto* rowsContainer = new QWidget;
    m_rowsLayout = new QVBoxLayout(rowsContainer);
    m_rowsLayout->addStretch();

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidget(rowsContainer);

    m_addButton = new QPushButton(tr("&Add Line"), this);
    m_addButton->setObjectName(QStringLiteral("addLineButton"));
    connect(m_addButton, &QPushButton::clicked, this, &SplitLinesWidget::addLine);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_addButton);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea, 1);
    layout->addLayout(buttonRow);
}

int SplitLinesWidget::appendRow(const QString& categoryId, const QString& memo, qint64 amount,
                                const std::optional<CategoryChoices::Choice>& kept)
{
    RowWidgets widgets;
    widgets.row = new QWidget(m_scrollArea->widget());
    auto* layout = new QHBoxLayout(widgets.row);
    layout->setContentsMargins(0, 0, 0, 0);

    widgets.category = new CategoryComboBox(widgets.row);
    widgets.category->setAccessibleName(tr("Category"));
    widgets.category->lineEdit()->setPlaceholderText(tr("Category"));
    CategoryChoices rowChoices = m_choices;
    if (kept)
        rowChoices.addKept(*kept);
    widgets.category->setChoices(rowChoices);
    if (categoryId.isEmpty())
        widgets.category->clearEditText();
    else
        widgets.category->select(CategoryChoices::Kind::Category, categoryId);
    // In a narrow row a long "Parent > Child" shows its start, as the memo does.
    widgets.category->lineEdit()->setCursorPosition(0);

    widgets.memo = new QLineEdit(memo, widgets.row);
    widgets.memo->setAccessibleName(tr("Memo"));
    widgets.memo->setPlaceholderText(tr("Memo"));
    // A long memo shows its start, not its end.
    widgets.memo->setCursorPosition(0);

    widgets.amount = new SmartAmountField(widgets.row);
    widgets.amount->setAccessibleName(tr("Amount"));
    widgets.amount->setCurrency(m_currency);
    // Negative lines go against the transaction's direction (a coupon on a
    // receipt), so the range reaches the store's bound both ways.
    const double bound = double(kMaxAmountMinorUnits / currencyScale(m_currency));
    widgets.amount->setRange(-bound, bound);
    widgets.amount->setPrefix(currencySymbol(m_currency) + u' ');
    widgets.amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Stepping a share by whole units is never what a user splitting a
    // receipt wants, and the arrows take room the amount needs.
    widgets.amount->setButtonSymbols(QAbstractSpinBox::NoButtons);
    widgets.amount->setMinorUnits(amount);

    widgets.remove = new QToolButton(widgets.row);
    widgets.remove->setText(QStringLiteral("✕"));
    widgets.remove->setToolTip(tr("Remove Line"));
    widgets.remove->setAccessibleName(tr("Remove Line"));
    widgets.remove->setAutoRaise(true);
    // Tab runs through the fields only; clearing a row's fields removes it
    // from the split just as well.
    widgets.remove->setFocusPolicy(Qt::NoFocus);

    setColumnWidth(widgets.category, 18, kCategoryStretch, layout);
    setColumnWidth(widgets.memo, 7, kMemoStretch, layout);
    setColumnWidth(widgets.amount, 10, kAmountStretch, layout);
    layout->addWidget(widgets.remove);

    // In a list that scrolls, the wheel must scroll it rather than change the
    // category or amount that happens to be under the pointer.
    widgets.category->installEventFilter(this);
    widgets.amount->installEventFilter(this);

    CategoryComboBox* category = widgets.category;
    connect(category, &QComboBox::editTextChanged, this, &SplitLinesWidget::rowsChanged);
    connect(category, &CategoryComboBox::settled, category, [category](const CategoryChoices::Match& match) {
        // A line without a category reads better blank than as "(none)".
        if (match.result == CategoryChoices::Match::One
            && category->categoryChoices().at(match.index).kind == CategoryChoices::Kind::None)
            category->clearEditText();
        category->lineEdit()->setCursorPosition(0);
    });
    connect(widgets.memo, &QLineEdit::textChanged, this, &SplitLinesWidget::rowsChanged);
    connect(widgets.amount, &QDoubleSpinBox::valueChanged, this, &SplitLinesWidget::rowsChanged);
    QWidget* rowWidget = widgets.row;
    connect(widgets.remove, &QToolButton::clicked, this, [this, rowWidget] {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_rows.at(i).row == rowWidget) {
                removeRow(i);
                return;
            }
        }
    });

    m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, widgets.row);
    m_rows.append(widgets);
    chainTabOrder();
    Q_EMIT rowsChanged();
    return int(m_rows.size()) - 1;
}

void SplitLinesWidget::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const RowWidgets gone = m_rows.takeAt(row);
    const bool hadFocus = gone.row->isAncestorOf(QApplication::focusWidget());
    gone.row->hide();
    m_rowsLayout->removeWidget(gone.row);
    // Later: the row's own remove button is still delivering its click.
    gone.row->deleteLater();
    chainTabOrder();
    if (hadFocus) {
        if (m_rows.isEmpty())
            m_addButton->setFocus();
        else
            focusCategory(qMin(row, rowCount() - 1));
    }
    Q_EMIT rowsChanged();
}

QList<SplitLines::Row> SplitLinesWidget::rows() const
{
    QList<SplitLines::Row> result;
    for (const RowWidgets& widgets : m_rows) {
        SplitLines::Row row;
        const CategoryChoices::Match match = widgets.category->typedMatch();
        row.category = match.result;
        if (match.result == CategoryChoices::Match::One)
            row.categoryId = widgets.category->categoryChoices().at(match.index).id;
        row.memo = widgets.memo->text();
        row.amount = widgets.amount->minorUnits();
        result.append(row);
    }
    return result;
}

void SplitLinesWidget::focusCategory(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows.at(row).category->setFocus(Qt::OtherFocusReason);
    // Once the list has laid out a row just added.
    QPointer<QWidget> rowWidget = m_rows.at(row).row;
    QTimer::singleShot(0, this, [this, rowWidget] {
        if (rowWidget)
            m_scrollArea->ensureWidgetVisible(rowWidget);
    });
}

void SplitLinesWidget::addNewCategory(const Category& category)
{
    if (m_choices.indexOf(CategoryChoices::Kind::Category, category.id) < 0)
        m_choices.addNew(category);
    for (const RowWidgets& widgets : std::as_const(m_rows))
        widgets.category->addNewCategory(category);
}

bool SplitLinesWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* field = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (focus != field && !field->isAncestorOf(focus)) {
            QCoreApplication::sendEvent(m_scrollArea->verticalScrollBar(), event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplitLinesWidget::addLine() { focusCategory(appendRow()); }

void SplitLinesWidget::chainTabOrder()
{
    // Rows added later were put at the end of the window's focus chain; this
    // puts every row back in its place, ahead of the Add Line button.
    QWidget* previous = nullptr;
    for (const RowWidgets& widgets : std::as_const(m_rows)) {
        if (previous)
            QWidget::setTabOrder(previous, widgets.category);
        QWidget::setTabOrder(widgets.category, widgets.memo);
        QWidget::setTabOrder(widgets.memo, widgets.amount);
        previous = widgets.amount;
    }
    if (previous)
        QWidget::setTabOrder(previous, m_addButton);
}

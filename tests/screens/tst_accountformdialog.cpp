#include "register/SmartAmountField.h"
#include "screens/AccountFormDialog.h"
#include "storage/Timestamp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUuid>
#include <QtTest>

namespace {

// The field of a form row, found by its label as the user sees it.
template <typename Field>
Field* fieldFor(const AccountFormDialog& dialog, const QString& labelText)
{
    const auto labels = dialog.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->text() == labelText)
            return qobject_cast<Field*>(label->buddy());
    }
    return nullptr;
}

QLineEdit* nameEdit(const AccountFormDialog& dialog) { return fieldFor<QLineEdit>(dialog, QStringLiteral("&Name:")); }
QComboBox* typeCombo(const AccountFormDialog& dialog) { return fieldFor<QComboBox>(dialog, QStringLiteral("&Type:")); }
QComboBox* currencyCombo(const AccountFormDialog& dialog)
{
    return fieldFor<QComboBox>(dialog, QStringLiteral("&Currency:"));
}
SmartAmountField* balanceField(const AccountFormDialog& dialog)
{
    return fieldFor<SmartAmountField>(dialog, QStringLiteral("Starting &Balance:"));
}
QLineEdit* institutionEdit(const AccountFormDialog& dialog)
{
    return fieldFor<QLineEdit>(dialog, QStringLiteral("&Institution:"));
}
QLineEdit* accountNumberEdit(const AccountFormDialog& dialog)
{
    return fieldFor<QLineEdit>(dialog, QStringLiteral("Account N&umber:"));
}
QPushButton* okButton(const AccountFormDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

Account storedAccount()
{
    Account account;
    account.id = QStringLiteral("6f1c2a0e-3b7d-4c59-9e21-0d8a4b5c7e13");
    account.name = QStringLiteral("Travel Card");
    account.account_type = AccountType::CreditCard;
    account.currency = Currency::GBP;
    account.institution = QStringLiteral("Thames Bank");
    account.account_number_last4 = QStringLiteral("4421");
    account.starting_balance = -25075;
    account.sort_order = 3;
    account.is_shared = true;
    account.version = 7;
    account.sync_status = SyncStatus::Synced;
    account.server_id = QStringLiteral("srv-88");
    account.created_at = QDateTime(QDate(2025, 3, 1), QTime(9, 30), Qt::UTC);
    account.updated_at = QDateTime(QDate(2025, 4, 2), QTime(10, 0), Qt::UTC);
    return account;
}

} // namespace

class TestAccountFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFormGivesTheDefaultRecordWithAFreshId();
    void editFormShowsAndReturnsTheAccount();
    void editFormKeepsIdentityAndVersion();
    void balanceScalesByTheCurrencyDecimals_data();
    void balanceScalesByTheCurrencyDecimals();
    void balanceFieldFollowsTheCurrency();
    void editFormShowsWholeYen();
    void editKeepsABalanceBeyondTheUsualRange_data();
    void editKeepsABalanceBeyondTheUsualRange();
    void lockedCurrencyCannotChange();
    void textsAreTrimmedAndTheNumberCapped();
    void okNeedsANonBlankName();
};

void TestAccountFormDialog::newFormGivesTheDefaultRecordWithAFreshId()
{
    AccountFormDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
    QCOMPARE(balanceField(dialog)->prefix(), QStringLiteral("$ "));
    QCOMPARE(dialog.asOfDate(), QDate::currentDate());
    nameEdit(dialog)->setText(QStringLiteral("Everyday"));

    const QDateTime before = nowUtc();
    const Account first = dialog.account();
    const Account second = dialog.account();
    QVERIFY(first.id != second.id);
    for (const Account& account : {first, second}) {
        QVERIFY(!QUuid::fromString(account.id).isNull());
        QVERIFY(!account.id.startsWith(u'{'));
        QVERIFY(account.created_at >= before);
        QCOMPARE(account.created_at.timeSpec(), Qt::UTC);
    }

    Account expected;
    expected.id = first.id;
    expected.name = QStringLiteral("Everyday");
    expected.created_at = first.created_at;
    expected.updated_at = first.updated_at;
    QVERIFY(first == expected);
}

void TestAccountFormDialog::editFormShowsAndReturnsTheAccount()
{
    const Account stored = storedAccount();
    AccountFormDialog dialog(stored);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
    QCOMPARE(nameEdit(dialog)->text(), stored.name);
    QCOMPARE(typeCombo(dialog)->currentText(), QStringLiteral("Credit Card"));
    QCOMPARE(currencyCombo(dialog)->currentText(), QStringLiteral("GBP (£)"));
    QCOMPARE(balanceField(dialog)->prefix(), QStringLiteral("£ "));
    QCOMPARE(balanceField(dialog)->value(), -250.75);
    QCOMPARE(institutionEdit(dialog)->text(), stored.institution);
    QCOMPARE(accountNumberEdit(dialog)->text(), stored.account_number_last4);
    // The date belongs to the caller's opening balance, not to the account.
    QCOMPARE(dialog.asOfDate(), QDate::currentDate());

    const Account result = dialog.account();
    Account expected = stored;
    expected.updated_at = result.updated_at;
    expected.sync_status = SyncStatus::Pending;
    QVERIFY(result == expected);
    QVERIFY(result.updated_at > stored.updated_at);
}

void TestAccountFormDialog::editFormKeepsIdentityAndVersion()
{
    const Account stored = storedAccount();
    AccountFormDialog dialog(stored);
    nameEdit(dialog)->setText(QStringLiteral("Holiday Card"));

    for (int call = 0; call < 2; ++call) {
        const Account result = dialog.account();
        QCOMPARE(result.id, stored.id);
        QCOMPARE(result.created_at, stored.created_at);
        QCOMPARE(result.version, stored.version);
        QCOMPARE(result.name, QStringLiteral("Holiday Card"));
    }
}

void TestAccountFormDialog::balanceScalesByTheCurrencyDecimals_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("minorUnits");

    QTest::newRow("negative dollars") << QStringLiteral("USD") << -1234.56 << qint64(-123456);
    QTest::newRow("largest dollars") << QStringLiteral("USD") << 99999999.99 << qint64(9999999999);
    QTest::newRow("smallest euros") << QStringLiteral("EUR") << -99999999.99 << qint64(-9999999999);
    QTest::newRow("yen are whole") << QStringLiteral("JPY") << -1234.0 << qint64(-1234);
    QTest::newRow("largest yen") << QStringLiteral("JPY") << 99999999.0 << qint64(99999999);
}

void TestAccountFormDialog::balanceScalesByTheCurrencyDecimals()
{
    QFETCH(QString, currency);
    QFETCH(double, value);
    QFETCH(qint64, minorUnits);

    AccountFormDialog dialog;
    currencyCombo(dialog)->setCurrentIndex(currencyCombo(dialog)->findData(currency));
    balanceField(dialog)->setValue(value);
    QCOMPARE(balanceField(dialog)->value(), value);
    QCOMPARE(dialog.account().starting_balance, minorUnits);
    QCOMPARE(dialog.account().currency, currencyFromString(currency));
}

void TestAccountFormDialog::balanceFieldFollowsTheCurrency()
{
    AccountFormDialog dialog;
    SmartAmountField* field = balanceField(dialog);
    QComboBox* currencies = currencyCombo(dialog);

    currencies->setCurrentIndex(currencies->findData(QStringLiteral("JPY")));
    QCOMPARE(field->decimals(), 0);
    QCOMPARE(field->prefix(), QStringLiteral("¥ "));
    QCOMPARE(field->maximum(), 99999999.0);
    QCOMPARE(field->minimum(), -99999999.0);
    field->setValue(1500);
    QCOMPARE(dialog.account().starting_balance, 1500);

    // Back to a currency with cents: the same whole amount, now in cents.
    currencies->setCurrentIndex(currencies->findData(QStringLiteral("EUR")));
    QCOMPARE(field->decimals(), 2);
    QCOMPARE(field->prefix(), QStringLiteral("€ "));
    QCOMPARE(field->maximum(), 99999999.99);
    QCOMPARE(dialog.account().starting_balance, 150000);
}

void TestAccountFormDialog::editFormShowsWholeYen()
{
    Account stored = storedAccount();
    stored.currency = Currency::JPY;
    stored.starting_balance = 50000;
    AccountFormDialog dialog(stored);

    QCOMPARE(currencyCombo(dialog)->currentText(), QStringLiteral("JPY (¥)"));
    QCOMPARE(balanceField(dialog)->decimals(), 0);
    QCOMPARE(balanceField(dialog)->value(), 50000.0);
    QCOMPARE(dialog.account().starting_balance, 50000);
}

void TestAccountFormDialog::editKeepsABalanceBeyondTheUsualRange_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<qint64>("balance");

    QTest::newRow("150 million dollars") << QStringLiteral("USD") << qint64(15'000'000'000);
    QTest::newRow("minus 150 million euros") << QStringLiteral("EUR") << qint64(-15'000'000'000);
    QTest::newRow("200 million yen") << QStringLiteral("JPY") << qint64(200'000'000);
}

void TestAccountFormDialog::editKeepsABalanceBeyondTheUsualRange()
{
    QFETCH(QString, currency);
    QFETCH(qint64, balance);

    Account stored = storedAccount();
    stored.currency = currencyFromString(currency);
    stored.starting_balance = balance;
    AccountFormDialog dialog(stored);
    nameEdit(dialog)->setText(QStringLiteral("Renamed"));

    const Account result = dialog.account();
    QCOMPARE(result.name, QStringLiteral("Renamed"));
    QCOMPARE(result.starting_balance, balance);
}

void TestAccountFormDialog::lockedCurrencyCannotChange()
{
    AccountFormDialog dialog(storedAccount());
    QComboBox* currencies = currencyCombo(dialog);
    dialog.setCurrencyLocked(true);
    QVERIFY(!currencies->isEnabled());
    QVERIFY(currencies->toolTip().contains(QStringLiteral("transactions")));
    QCOMPARE(dialog.account().currency, Currency::GBP);

    dialog.setCurrencyLocked(false);
    QVERIFY(currencies->isEnabled());
    QVERIFY(currencies->toolTip().isEmpty());
}

void TestAccountFormDialog::textsAreTrimmedAndTheNumberCapped()
{
    AccountFormDialog dialog;
    QTest::keyClicks(nameEdit(dialog), QStringLiteral("  Rainy Day  "));
    QTest::keyClicks(institutionEdit(dialog), QStringLiteral(" Credit Union "));
    QTest::keyClicks(accountNumberEdit(dialog), QStringLiteral("987654"));

    QCOMPARE(accountNumberEdit(dialog)->text(), QStringLiteral("9876"));
    const Account account = dialog.account();
    QCOMPARE(account.name, QStringLiteral("Rainy Day"));
    QCOMPARE(account.institution, QStringLiteral("Credit Union"));
    QCOMPARE(account.account_number_last4, QStringLiteral("9876"));
}

void TestAccountFormDialog::okNeedsANonBlankName()
{
    AccountFormDialog dialog;
    QPushButton* ok = okButton(dialog);
    QVERIFY(!ok->isEnabled());

    QTest::keyClicks(nameEdit(dialog), QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(nameEdit(dialog), QStringLiteral("Cash"));
    QVERIFY(ok->isEnabled());
    nameEdit(dialog)->clear();
    QVERIFY(!ok->isEnabled());

    nameEdit(dialog)->setText(QStringLiteral("Cash"));
    ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    AccountFormDialog editDialog(storedAccount());
    QVERIFY(okButton(editDialog)->isEnabled());
}

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"

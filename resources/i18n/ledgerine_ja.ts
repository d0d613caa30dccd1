<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccountEditor</name>
    <message>
        <source>Opening Balance</source>
        <translation>開始残高</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>金融機関名（任意）</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下4桁（任意）</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>%1 </source>
        <comment>starting balance prefix; %1 is the currency symbol</comment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions.</source>
        <translation>取引がある口座の通貨は変更できません。</translation>
    </message>
    <message>
        <source>Account N&amp;umber:</source>
        <translation>口座番号(&amp;U):</translation>
    </message>
</context>
<context>
    <name>AccountPicker</name>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>This account cannot be shared: the service would not know it by its id.</source>
        <translation>この口座は共有できません。サービスがこの口座を ID で識別できないためです。</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした（HTTP %1）</translation>
    </message>
    <message>
        <source>Failed to share account: the answer did not come from the sharing service.</source>
        <translation>口座を共有できませんでした。応答が共有サービスからのものではありませんでした。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1

%2</translation>
    </message>
    <message>
        <source>Ledgerine Is Already Running</source>
        <translation>Ledgerine は既に実行中です</translation>
    </message>
    <message>
        <source>Ledgerine is already running with this data folder:

%1

Switch to its window, or close it before starting Ledgerine again.</source>
        <translation>Ledgerine はこのデータフォルダーで既に実行中です:

%1

そのウィンドウに切り替えるか、閉じてから Ledgerine をもう一度起動してください。</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>too many entries</source>
        <translation>エントリが多すぎます</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 が大きすぎます</translation>
    </message>
    <message>
        <source>the contents are too large</source>
        <translation>内容が大きすぎます</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: エントリが破損しています</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON が不正です</translation>
    </message>
    <message>
        <source>Invalid backup: unexpected entry %1</source>
        <translation>不正なバックアップです: 想定外のエントリ %1</translation>
    </message>
    <message>
        <source>Invalid backup: %1</source>
        <translation>不正なバックアップです: %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>不正なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>%1: the backup holds %2 of the %3 rows its manifest lists</source>
        <translation>%1: マニフェストには%3行と記載されていますが、バックアップには%2行しかありません</translation>
    </message>
    <message>
        <source>%1: the other side of its transfer, %2, is not restored; it is kept as an ordinary transaction</source>
        <translation>%1: 振替の相手側 %2 が復元されないため、通常の取引として保持します</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not restored from this backup</source>
        <translation>%1: %2 %3 はこのバックアップから復元されていません</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 in the backup do not add up to its amount; its lines in the ledger are kept</source>
        <translation>split_lines: バックアップ内の取引 %1 の分割行の合計が取引の金額と一致しないため、帳簿にある分割行をそのまま残します</translation>
    </message>
    <message>
        <source>%1: id %2 is already in use</source>
        <translation>%1: ID %2 はすでに使用されています</translation>
    </message>
    <message>
        <source>%1: id %2 appears more than once</source>
        <translation>%1: ID %2 が複数回出現しています</translation>
    </message>
    <message>
        <source>%1: %2 %3 does not exist</source>
        <translation>%1: %2 %3 は存在しません</translation>
    </message>
    <message>
        <source>%1: the starting balance would take the account&apos;s balance beyond what a balance can hold</source>
        <translation>%1: 開始残高により、口座の残高が扱える上限を超えてしまいます</translation>
    </message>
    <message>
        <source>%1: the amount would take the balance of account %2 beyond what a balance can hold</source>
        <translation>%1: この金額により、口座 %2 の残高が扱える上限を超えてしまいます</translation>
    </message>
    <message>
        <source>the database ended the restore&apos;s transaction after an error</source>
        <translation>エラーが発生したため、データベースが復元のトランザクションを終了しました</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 do not add up to its amount, and no line could be added for the difference</source>
        <translation>split_lines: 取引 %1 の明細の合計が金額と一致せず、差額の行を追加できませんでした</translation>
    </message>
    <message>
        <source>%1: the id starting &quot;%2&quot; is longer than %3 characters; the row is not restored</source>
        <translation>%1: 「%2」で始まる ID が %3 文字を超えているため、この行は復元されません</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>A backup or restore is already running.</source>
        <translation>バックアップまたは復元がすでに実行中です。</translation>
    </message>
    <message>
        <source>Nothing was restored: database error: %1</source>
        <translation>何も復元されていません。データベースエラー: %1</translation>
    </message>
    <message>
        <source>The ledger could not be read into a backup.</source>
        <translation>帳簿を読み込んでバックアップを作成できませんでした。</translation>
    </message>
    <message>
        <source>The backup made does not read back: %1</source>
        <translation>作成したバックアップを読み戻せません: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written: %3</source>
        <translation>%2バイト中%1バイトを書き込みました: %3</translation>
    </message>
    <message>
        <source>The file written does not hold the backup made.</source>
        <translation>書き込んだファイルの内容が、作成したバックアップと一致しません。</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>ファイルを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>ファイルを読み込めませんでした。通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file is larger than any backup this program writes.</source>
        <translation>このファイルは、このプログラムが書き出すどのバックアップよりも大きいファイルです。</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>読み込み中にファイルが変更されました。</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...ほか%n件。</numerusform>
        </translation>
    </message>
    <message>
        <source>These rows have an id longer than %1 characters, which no restore takes, and were left out of the backup:</source>
        <translation>次の行は ID が %1 文字を超えており、復元では読み込めないため、バックアップから除外されました:</translation>
    </message>
    <message>
        <source>These rows are larger than a restore reads and were left out of the backup:</source>
        <translation>次の行は復元で読み込める大きさを超えているため、バックアップから除外されました:</translation>
    </message>
    <message>
        <source>The ledger is too large for one backup: %1.</source>
        <translation>帳簿が大きすぎて 1 つのバックアップに収まりません: %1。</translation>
    </message>
</context>
<context>
    <name>BackupTable</name>
    <message>
        <source>%1: missing %2</source>
        <translation>%1: %2 がありません</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1: %2 の値が不正です</translation>
    </message>
    <message>
        <source>%1: unknown %2 &quot;%3&quot;</source>
        <translation>%1: 不明な %2「%3」</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>カテゴリを検索</translation>
    </message>
    <message>
        <source>+ &amp;New Category</source>
        <translation>+ 新しいカテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新しいカテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>カテゴリを保存できませんでした</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>カテゴリ「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>「%1」への変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか？このカテゴリを使用している取引は未分類になります。</translation>
    </message>
    <message>
        <source>Category Not Deleted</source>
        <translation>カテゴリを削除できませんでした</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>カテゴリ「%1」を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>Transfer to/from: %1</source>
        <translation>振替: %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>%1へ振替</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>%1から振替</translation>
    </message>
    <message>
        <source>(unknown category)</source>
        <translation>（不明なカテゴリ）</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an income category?</source>
        <translation>「%1」という名前のカテゴリはありません。収入カテゴリとして作成しますか？</translation>
    </message>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an expense category?</source>
        <translation>「%1」という名前のカテゴリはありません。支出カテゴリとして作成しますか？</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新しいカテゴリ</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新しいカテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新しいサブカテゴリ</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>Tax-&amp;relevant</source>
        <translation>税務関連(&amp;R)</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを確定申告用のレポートに含めます。</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例: charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税務コード(&amp;C):</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>賞与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividends</source>
        <translation>配当金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>贈与収入</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>家賃</translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation>住宅ローン</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Home Insurance</source>
        <translation>住宅保険</translation>
    </message>
    <message>
        <source>Home Maintenance</source>
        <translation>住宅修繕</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>水道・光熱費</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>Gas &amp; Heating</source>
        <translation>ガス・暖房費</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話代</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食費</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通費</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>ガソリン代</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Auto Maintenance</source>
        <translation>自動車整備</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>健康・医療</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>薬代</translation>
    </message>
    <message>
        <source>Health Insurance</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>個人</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣服</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>理容・美容</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>教育</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>寄付・贈答</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>Credit Card Payment</source>
        <translation>クレジットカードの支払い</translation>
    </message>
    <message>
        <source>Savings Transfer</source>
        <translation>貯蓄への振替</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税務コード</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>インポートする行がファイルにありません。</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列%1: %2</translation>
    </message>
</context>
<context>
    <name>DataSyncTexts</name>
    <message>
        <source>Not signed in.
Sign in via File › Tandrel Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、[ファイル] › [Tandrel アカウント] からサインインしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中のアカウント:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す（タイムスタンプを比較）</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目はスキップする</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップを保存しました:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...ほか%n件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Nothing was imported.

%1</source>
        <translation>何もインポートされていません。

%1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n item(s), skipped %1.</source>
        <translation>
            <numerusform>%n件をインポートし、%1件をスキップしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred:</source>
        <translation>
            <numerusform>%n件のエラーが発生しました:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>You are not signed in. Sign in via File › Tandrel Account, then try again.</source>
        <translation>サインインしていません。[ファイル] › [Tandrel アカウント] からサインインしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>An import or a restore is still writing to your data. Try again when it has finished.</source>
        <translation>インポートまたは復元がまだデータを書き込んでいます。完了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Your data could not be prepared for a full sync, so nothing was sent. Try again; if it keeps failing, check that the disk has free space.</source>
        <translation>完全同期の準備ができなかったため、何も送信されませんでした。もう一度お試しください。失敗が続く場合は、ディスクの空き容量を確認してください。</translation>
    </message>
    <message>
        <source>Full Sync Not Started</source>
        <translation>完全同期を開始できませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) from the sync service cannot be read by this version of Ledgerine yet. They are kept, and tried again at every sync; an update may read them.</source>
        <translation>
            <numerusform>同期サービスの %n 件のレコードは、このバージョンの Ledgerine ではまだ読み取れません。レコードは保持され、同期のたびに再試行されます。アップデートで読み取れるようになる場合があります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n件の分割取引に、明細の合計が金額と合うよう未分類の行を追加しました</numerusform>
        </translation>
    </message>
    <message>
        <source>This ledger last synced with another account. Answer whether to upload it to yours first.</source>
        <translation>この帳簿は最後に別のアカウントと同期しました。先に、あなたのアカウントにアップロードするかどうかに答えてください。</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The ledger file is damaged: restore it from a backup and try again.</source>
        <translation>帳簿ファイルが破損しています。バックアップから復元してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The ledger was written by a newer version of Ledgerine: install that version to open it.</source>
        <translation>この帳簿は新しいバージョンの Ledgerine で書き込まれています。そのバージョンをインストールしてから開いてください。</translation>
    </message>
    <message>
        <source>The file ledgerine.db there is not a Ledgerine ledger: move it out of the folder to start a new ledger.</source>
        <translation>そのフォルダーにある ledgerine.db は Ledgerine の帳簿ではありません。新しい帳簿を始めるには、このファイルをフォルダーの外に移動してください。</translation>
    </message>
    <message>
        <source>The ledger or its folder is read-only: allow writing to them and try again.</source>
        <translation>帳簿またはそのフォルダーが読み取り専用です。書き込みを許可してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Another program has locked the ledger: close it and try again.</source>
        <translation>別のプログラムが帳簿をロックしています。そのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The disk is full: free some space and try again.</source>
        <translation>ディスクがいっぱいです。空き容量を確保してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/YYYY</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>日付を「月/日/年」の形式で入力してください（例: 12/31/2026）。</translation>
    </message>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation>カレンダーから日付を選択（Alt+↓）</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
</context>
<context>
    <name>DateRange</name>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去30日間</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去90日間</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去12か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1～%2</translation>
    </message>
</context>
<context>
    <name>DateRangeEdit</name>
    <message>
        <source>From</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>–</source>
        <translation>～</translation>
    </message>
</context>
<context>
    <name>DirectedAmount</name>
    <message>
        <source>&amp;Payment</source>
        <translation>出金(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>入金(&amp;D)</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>マイナス記号を入力すると、出金と入金を切り替えられます</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>金額が正しくありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>「%1」は金額として不完全です。修正するか、金額を指定しない場合は消去してください。</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>ファイルを開けませんでした: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>ファイルを読み込めませんでした。通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file is larger than 100 MB, more than any bank statement holds.</source>
        <translation>ファイルが 100 MB を超えています。銀行の明細書としては大きすぎます。</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>ファイルを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>読み込み中にファイルが変更されました。</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>英語の月名 D, YYYY（May 14, 2026）</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>重複していた%n件をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>読み取れなかった%n件のレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>メタデータの%n件のレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>インポート元の口座が割り当てられていない%n件のレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>First row is &amp;header</source>
        <translation>1行目は見出し(&amp;H)</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>日付の列(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>支払先の列(&amp;P):</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>金額の列(&amp;M):</translation>
    </message>
    <message>
        <source>M&amp;emo column:</source>
        <translation>メモの列(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Category column:</source>
        <translation>カテゴリの列(&amp;C):</translation>
    </message>
    <message>
        <source>Date f&amp;ormat:</source>
        <translation>日付の形式(&amp;O):</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n row(s) of the file.</source>
        <translation>
            <numerusform>ファイルの最初の%n行を表示しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF のインポート元口座:</translation>
    </message>
    <message>
        <source>Choose where each QIF source account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>QIF の各インポート元口座を、どの口座にインポートするか選択してください。選択したファイル間で割り当てた口座の振替は、自動的に関連付けられます。</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完了(&amp;D)</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルの選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>File Not Read</source>
        <translation>ファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>%1 cannot be imported.

%2</source>
        <translation>%1 はインポートできません。

%2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>列%1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析しています...</translation>
    </message>
    <message>
        <source>The chosen files cannot be imported.

%1</source>
        <translation>選択したファイルはインポートできません。

%1</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>インポートする取引がありません</translation>
    </message>
    <message>
        <source>The chosen files hold no transactions.</source>
        <translation>選択したファイルには取引が含まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n個のファイルを選択済み</numerusform>
        </translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選択するか、ここで新しく作成してください。</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved; nothing was imported.</source>
        <translation>口座「%1」を保存できなかったため、何もインポートされていません。</translation>
    </message>
    <message>
        <source>Accounts Not Saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>The new accounts could not be saved; nothing was imported.

%1</source>
        <translation>新しい口座を保存できなかったため、何もインポートされていません。

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back.</source>
        <translation>データベースエラーによりインポートが中断され、すべての変更が取り消されました。</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>取引は追加されていません。</translation>
    </message>
    <message numerus="yes">
        <source>%n new account(s) made for this import are kept for importing these files again:</source>
        <translation>
            <numerusform>このインポートのために作成した%n個の新しい口座は、これらのファイルを再度インポートできるよう残してあります:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>口座間の振替%n件を関連付けました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  （うち%n件は以前にインポートした行と関連付けました）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n件の分割取引に、明細の合計が金額と合うよう未分類の行を追加しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Dates read as day/month/year</source>
        <translation>日付は日/月/年として読み取りました</translation>
    </message>
    <message>
        <source>Dates read as month/day/year</source>
        <translation>日付は月/日/年として読み取りました</translation>
    </message>
    <message numerus="yes">
        <source>And %n more record(s) not imported for these reasons.</source>
        <translation>
            <numerusform>ほかに%n件のレコードが同じ理由でインポートされませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n column(s) of the file; only these can be mapped.</source>
        <translation>
            <numerusform>ファイルの最初の%n列を表示しています。対応付けできるのはこれらの列だけです。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Another import is running.</source>
        <translation>別のインポートが実行中です。</translation>
    </message>
    <message>
        <source>The account to import into does not exist.</source>
        <translation>インポート先の口座が存在しません。</translation>
    </message>
    <message numerus="yes">
        <source>A quote opened on line %1 is never closed: %n line(s) from line %2 on were not imported.</source>
        <translation>
            <numerusform>%1行目で始まった引用符が閉じられていません。%2行目以降の%n行はインポートされませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1（口座ヘッダーなし）</translation>
    </message>
    <message>
        <source>An account to import into does not exist.</source>
        <translation>インポート先の口座の一つが存在しません。</translation>
    </message>
    <message>
        <source>The category %1</source>
        <translation>カテゴリ「%1」</translation>
    </message>
    <message>
        <source>%1 could not be stored (%2): nothing was imported.</source>
        <translation>%1を保存できませんでした（%2）。何もインポートされていません。</translation>
    </message>
    <message>
        <source>%1: the amount would take the account&apos;s balance beyond what a balance can hold: nothing was imported.</source>
        <translation>%1: この金額により口座の残高が扱える上限を超えるため、何もインポートされていません。</translation>
    </message>
    <message>
        <source>Another program is writing to the ledger and did not finish in time: nothing was imported. Try again once it has finished.</source>
        <translation>別のプログラムが帳簿に書き込み中で、時間内に終わりませんでした。何もインポートされていません。書き込みが終わってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The import could not begin: %1</source>
        <translation>インポートを開始できませんでした: %1</translation>
    </message>
    <message>
        <source>The database ended the import after an error (%1): nothing was imported.</source>
        <translation>エラーが発生したため、データベースがインポートを終了しました（%1）。何もインポートされていません。</translation>
    </message>
    <message>
        <source>The import stopped; nothing was imported.</source>
        <translation>インポートが中止されました。何もインポートされていません。</translation>
    </message>
    <message>
        <source>The import could not be stored: %1</source>
        <translation>インポート内容を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>%1: the amount has more decimal places than the account&apos;s currency (%2) has; the record was not imported.</source>
        <translation>%1: 金額の小数点以下の桁数が口座の通貨（%2）の桁数を超えているため、このレコードはインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1: the line is longer than %2 characters, more than any transaction takes; its record was not imported.</source>
        <translation>%1: この行は%2文字を超えており、どの取引よりも長いため、そのレコードはインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1: the row has no field in the date, payee or amount column; it was not imported.</source>
        <translation>%1: 日付、支払先、金額のいずれかの列に値がないため、この行はインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1: the date does not match the chosen date format; the row was not imported.</source>
        <translation>%1: 日付が選択した日付形式と一致しないため、この行はインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1: the date cannot be read; the row was not imported.</source>
        <translation>%1: 日付を読み取れないため、この行はインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1: the amount cannot be read; the row was not imported.</source>
        <translation>%1: 金額を読み取れないため、この行はインポートされませんでした。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Transactions</source>
        <translation>取引(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>ツール(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Import Transactions...</source>
        <translation>取引のインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Tandrel &amp;Account</source>
        <translation>Tandrel アカウント(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>サインイン(&amp;S)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;New Account...</source>
        <translation>新しい口座(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit Account...</source>
        <translation>口座の編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete Account</source>
        <translation>口座の削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新しい取引(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit Transaction...</source>
        <translation>取引の編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete Transaction</source>
        <translation>取引の削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>定期取引として登録(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Recurring Transactions...</source>
        <translation>定期取引(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>カテゴリ(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Payees...</source>
        <translation>支払先(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>レポート(&amp;R)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>更新の確認(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>新機能(&amp;W)</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;About Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine について(&amp;A)</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation>口座「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation>口座が見つかりません</translation>
    </message>
    <message>
        <source>The account could not be read.</source>
        <translation>口座を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>「%1」への変更を保存できませんでした。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete the account &quot;%1&quot; with all its transactions, recurring transactions and reconciliations?</source>
        <translation>口座「%1」を、そのすべての取引、定期取引、照合とともに削除しますか？</translation>
    </message>
    <message>
        <source>Account Not Deleted</source>
        <translation>口座を削除できませんでした</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be deleted; nothing was changed.</source>
        <translation>口座「%1」を削除できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Memorized as a recurring transaction</source>
        <translation>定期取引として登録しました</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>About Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine について</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine %1

A check register for household finances.</source>
        <translation>Tandrel Ledgerine %1

家計を管理するための出納帳です。</translation>
    </message>
    <message>
        <source>You are signed in; your accounts appear here once they have synced.</source>
        <translation>サインインしました。口座は同期が終わるとここに表示されます。</translation>
    </message>
    <message>
        <source>Finish signing in in your browser...</source>
        <translation>ブラウザーでサインインを完了してください...</translation>
    </message>
    <message>
        <source>Signed out. Your data stays on this device.</source>
        <translation>サインアウトしました。データはこのデバイスに残ります。</translation>
    </message>
    <message>
        <source>Signed in</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>サインインに失敗しました</translation>
    </message>
    <message>
        <source>Signing in did not complete.

%1</source>
        <translation>サインインが完了しませんでした。

%1</translation>
    </message>
    <message>
        <source>Signed Out</source>
        <translation>サインアウトしました</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>定期取引を%n件自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Tandrel &amp;Account...</source>
        <translation>Tandrel アカウント(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Share Account...</source>
        <translation>口座の共有(&amp;S)...</translation>
    </message>
    <message>
        <source>Tandrel Account</source>
        <translation>Tandrel アカウント</translation>
    </message>
    <message numerus="yes">
        <source>Sync complete; %n record(s) cannot be read by this version yet</source>
        <translation>
            <numerusform>同期が完了しました。%n 件のレコードはこのバージョンではまだ読み取れません</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign-in cancelled. You are not signed in.</source>
        <translation>サインインをキャンセルしました。サインインしていません。</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>&amp;Rename Selected</source>
        <translation>選択項目の名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Merge Selected</source>
        <translation>選択項目を統合(&amp;M)</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Search payees...</source>
        <translation>支払先を検索...</translation>
    </message>
    <message>
        <source>Search payees</source>
        <translation>支払先を検索</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引数</translation>
    </message>
    <message>
        <source>Re&amp;name to:</source>
        <translation>新しい名前(&amp;N):</translation>
    </message>
    <message>
        <source>New payee name</source>
        <translation>新しい支払先名</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を2つ以上選択してください。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前を変更できませんでした</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>支払先の名前を変更できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n件の取引の支払先名を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先の統合</translation>
    </message>
    <message numerus="yes">
        <source>Merge %n payee(s) into &quot;%1&quot;?</source>
        <translation>
            <numerusform>%n件の支払先を「%1」に統合しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>統合に失敗しました</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>支払先を統合できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合完了</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n件の取引の支払先を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferenceChoices</name>
    <message>
        <source>System Default</source>
        <translation>システムの設定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>やや大</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>更新を確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です（バージョン %2）</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>更新の確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>ページを開けませんでした</translation>
    </message>
    <message>
        <source>This link does not lead to a web page, so it was not opened.</source>
        <translation>このリンクは Web ページを指していないため、開きませんでした。</translation>
    </message>
    <message>
        <source>The page could not be opened in your browser.</source>
        <translation>ブラウザーでページを開けませんでした。</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <source>Share “%1”</source>
        <translation>「%1」を共有</translation>
    </message>
    <message>
        <source>Members of your family group whom you share this account with see it and its transactions on their own computers once they sync.</source>
        <translation>この口座を共有したファミリーグループのメンバーは、同期すると自分のコンピューターでこの口座とその取引を見られるようになります。</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people from your group</source>
        <translation>グループからユーザーを追加</translation>
    </message>
    <message>
        <source>Only you can see this account.</source>
        <translation>この口座はあなただけが閲覧できます。</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share accounts with them.</source>
        <translation>ファミリーグループにはまだ他のメンバーがいません。口座を共有するには、グループにメンバーを招待してください。</translation>
    </message>
    <message>
        <source>Everyone in your group already has access.</source>
        <translation>グループの全員がすでにアクセスできます。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Could not share the account</source>
        <translation>口座を共有できませんでした</translation>
    </message>
    <message>
        <source>Could not remove access</source>
        <translation>アクセスを削除できませんでした</translation>
    </message>
    <message>
        <source>Remove Access</source>
        <translation>アクセスの削除</translation>
    </message>
    <message>
        <source>%1 will no longer see this account. Remove their access?</source>
        <translation>%1 はこの口座を閲覧できなくなります。アクセスを削除しますか？</translation>
    </message>
</context>
<context>
    <name>QifAccountMapping</name>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
</context>
<context>
    <name>QifImportWriter</name>
    <message>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
    <message>
        <source>A transfer stored before changed while the import ran: nothing was imported.</source>
        <translation>以前に保存した振替がインポート中に変更されました。何もインポートされていません。</translation>
    </message>
    <message>
        <source>The other side of a transfer stored before</source>
        <translation>以前に保存した振替の相手側の取引</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1 の%2行目</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合の履歴はまだありません。出納帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>C</source>
        <translation>済</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Transaction Not Saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Da&amp;te:</source>
        <translation>明細書の日付(&amp;T):</translation>
    </message>
    <message>
        <source>Statement &amp;Balance:</source>
        <translation>明細書の残高(&amp;B):</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>決済済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>決済済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>決済済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>&amp;Finish Reconciliation</source>
        <translation>照合を完了(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Add Transaction</source>
        <translation>取引を追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加（%1）</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集（F2）</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除（Del）</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>日付が正しくありません</translation>
    </message>
    <message>
        <source>Enter the statement date as month/day/year, for example 12/31/2026.</source>
        <translation>明細書の日付を「月/日/年」の形式で入力してください（例: 12/31/2026）。</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>照合を保存できませんでした</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed. The transactions have been read again: check them and finish again.</source>
        <translation>照合を保存できなかったため、何も変更されていません。取引を読み込み直しました。内容を確認して、もう一度照合を完了してください。</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合完了</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
</context>
<context>
    <name>RecurringActions</name>
    <message>
        <source>(no payee)</source>
        <translation>（支払先なし）</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.</source>
        <translation>定期取引を保存できませんでした: %1。</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is split into %n line(s).</source>
        <translation>
            <numerusform>「%1」は%n行に分割されています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Memorize Split Transaction</source>
        <translation>分割取引を定期取引として登録</translation>
    </message>
    <message>
        <source>A recurring transaction holds one category, so it would repeat the whole %1 without a category and without the split lines. Memorize it anyway?</source>
        <translation>定期取引に設定できるカテゴリは1つだけのため、%1 全体がカテゴリも分割行もない取引として繰り返されます。このまま登録しますか？</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved: %2.</source>
        <translation>「%1」への変更を保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>「%1」を削除できませんでした: %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered: %2.</source>
        <translation>「%1」を記帳できませんでした: %2。</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>「%1」を今すぐ記帳しますか？取引の日付は期日の %2 になります。記帳した取引は後で編集・削除できます。</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>前倒しで記帳</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>「%1」をスキップできませんでした: %2。</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>今後7日分を記帳</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>今後7日以内に期日を迎える定期取引をすべて記帳しますか？取引の日付はそれぞれの期日になります。記帳した取引は後で編集・削除できます。</translation>
    </message>
    <message>
        <source>Not Entered</source>
        <translation>記帳できませんでした</translation>
    </message>
    <message>
        <source>Nothing was entered: %1.</source>
        <translation>何も記帳されていません: %1。</translation>
    </message>
    <message>
        <source>Changed Meanwhile</source>
        <translation>変更されています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; changed after you chose it: it may have been entered by itself or on another device. Nothing was done; look at it again.</source>
        <translation>「%1」は選択した後に変更されました。自動で記帳されたか、別のデバイスで記帳された可能性があります。何も実行していませんので、もう一度確認してください。</translation>
    </message>
    <message>
        <source>Nothing Left to Enter</source>
        <translation>記帳できる回がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no occurrence left before its end date, so nothing was entered. It is now inactive.</source>
        <translation>「%1」は終了日までに残っている回がないため、何も記帳していません。この定期取引は無効になりました。</translation>
    </message>
</context>
<context>
    <name>RecurringEditor</name>
    <message>
        <source>the database refused it (%1)</source>
        <translation>データベースに拒否されました（%1）</translation>
    </message>
    <message>
        <source>it was deleted while the form was open</source>
        <translation>フォームを開いている間に削除されました</translation>
    </message>
    <message>
        <source>its next due date could not be worked out from the new start date</source>
        <translation>新しい開始日から次回の期日を算出できませんでした</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を定期取引として登録</translation>
    </message>
    <message>
        <source>End Before Start</source>
        <translation>終了日が開始日より前です</translation>
    </message>
    <message>
        <source>The end date, %1, is before the start date, %2. Choose an end date on or after the start.</source>
        <translation>終了日（%1）が開始日（%2）より前です。開始日以降の終了日を選んでください。</translation>
    </message>
    <message>
        <source>No account yet: create one first</source>
        <translation>口座がありません。先に口座を作成してください</translation>
    </message>
    <message>
        <source>Choose an account</source>
        <translation>口座を選択</translation>
    </message>
    <message>
        <source>A recurring transaction stays in the account it enters its transactions in</source>
        <translation>定期取引は、取引を記帳する口座に固定されます</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>月末</translation>
    </message>
    <message>
        <source>Has &amp;end date</source>
        <translation>終了日を設定(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;uto-post when due</source>
        <translation>期日に自動記帳(&amp;U)</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>in advance</comment>
        <translation>
            <numerusform>日前</numerusform>
        </translation>
    </message>
    <message>
        <source>Acti&amp;ve</source>
        <translation>有効(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>支払先(&amp;Y):</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>金額(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>カテゴリ(&amp;C):</translation>
    </message>
    <message>
        <source>Mem&amp;o:</source>
        <translation>メモ(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Frequency:</source>
        <translation>頻度(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>繰り返し間隔(&amp;R):</translation>
    </message>
    <message>
        <source>F&amp;irst day:</source>
        <translation>1回目の日(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Second day:</source>
        <translation>2回目の日(&amp;S):</translation>
    </message>
    <message>
        <source>S&amp;tart date:</source>
        <translation>開始日(&amp;T):</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Enter i&amp;n advance:</source>
        <translation>事前に記帳(&amp;N):</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>（削除された口座）</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>（削除されたカテゴリ）</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>日ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>週ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>か月ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quarter(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>四半期ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>年ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>日付が正しくありません</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>日付を「月/日/年」の形式で入力してください（例: 12/31/2026）。</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;. Choose one from the list.</source>
        <translation>「%1」に一致するカテゴリが複数あります。一覧から選択してください。</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for none.</source>
        <translation>「%1」という名前のカテゴリはありません。一覧から選択するか、カテゴリなしにする場合は欄を空にしてください。</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>カテゴリの選択</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>月2回</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>月2回（%1と%2）</translation>
    </message>
    <message numerus="yes">
        <source>Every %n day(s)</source>
        <translation>
            <numerusform>%n日ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n week(s)</source>
        <translation>
            <numerusform>%n週ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n month(s)</source>
        <translation>
            <numerusform>%nか月ごと</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n year(s)</source>
        <translation>
            <numerusform>%n年ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1（×%2）</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>月末</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>day of the month</comment>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>day of the month</comment>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>day of the month</comment>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>day of the month</comment>
        <translation>%1日</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm &amp;All Due</source>
        <translation>期日の取引をすべて確定(&amp;A)</translation>
    </message>
    <message>
        <source>Enter &amp;Next 7 Days...</source>
        <translation>今後7日分を記帳(&amp;N)...</translation>
    </message>
    <message>
        <source>Ne&amp;w Recurring...</source>
        <translation>新しい定期取引(&amp;W)...</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message numerus="yes">
        <source>(%n due)</source>
        <translation>
            <numerusform>（期日到来%n件）</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;nter Early...</source>
        <translation>前倒しで記帳(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RegisterEditor</name>
    <message>
        <source>it was deleted meanwhile</source>
        <translation>その間に削除されました</translation>
    </message>
    <message>
        <source>its account was deleted</source>
        <translation>口座が削除されています</translation>
    </message>
    <message>
        <source>its split lines do not add up to its amount</source>
        <translation>分割行の合計が金額と一致しません</translation>
    </message>
    <message>
        <source>a split cannot also be a transfer</source>
        <translation>分割取引を振替にすることはできません</translation>
    </message>
    <message>
        <source>the new category has no id</source>
        <translation>新しいカテゴリに ID がありません</translation>
    </message>
    <message>
        <source>one of its categories cannot be used in this account</source>
        <translation>カテゴリの一つがこの口座では使用できません</translation>
    </message>
    <message>
        <source>the other account of the transfer cannot take it</source>
        <translation>振替先の口座がこの取引を受け付けられません</translation>
    </message>
    <message>
        <source>a transfer between currencies needs the amount the other account receives</source>
        <translation>異なる通貨間の振替には、相手の口座が受け取る金額が必要です</translation>
    </message>
    <message>
        <source>the ledger could not be written (%1)</source>
        <translation>帳簿に書き込めませんでした（%1）</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>R</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>C</source>
        <translation>済</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>New Transaction...</source>
        <translation>新しい取引...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconcile this account against a bank statement</source>
        <translation>銀行の明細書と照らし合わせて、この口座を照合します</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>定期取引として登録(&amp;M)...</translation>
    </message>
    <message>
        <source>R</source>
        <translation>照合</translation>
    </message>
</context>
<context>
    <name>ReportComparison</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>ReportRunner</name>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座の概要</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引一覧</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税務コード</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>流入</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>流出</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Transfer to/from: </source>
        <translation>振替: </translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV 形式でエクスポート(&amp;X)...</translation>
    </message>
    <message>
        <source>Not every transaction could be read, so this list is incomplete. Choose the period again to retry.</source>
        <translation>一部の取引を読み込めなかったため、この一覧は不完全です。もう一度期間を選択して再試行してください。</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>期間(&amp;P):</translation>
    </message>
    <message>
        <source>Co&amp;mpare:</source>
        <translation>比較(&amp;M):</translation>
    </message>
    <message>
        <source>Period &amp;1:</source>
        <translation>期間1(&amp;1):</translation>
    </message>
    <message>
        <source>Period &amp;2:</source>
        <translation>期間2(&amp;2):</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV 形式でエクスポート</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2. Nothing was written; choose another place and try again.</source>
        <translation>レポートを「%1」として保存できませんでした: %2。何も書き込まれていません。別の場所を選んで、もう一度お試しください。</translation>
    </message>
    <message>
        <source>These results are for the last dates that could be read. Type the dates as month/day/year, or choose them from the calendar, to update them.</source>
        <translation>この結果は、最後に読み取れた日付のものです。更新するには、日付を「月/日/年」の形式で入力するか、カレンダーから選択してください。</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Ctrl+Page Down and Ctrl+Page Up change the page.</source>
        <translation>Ctrl+Page Down と Ctrl+Page Up でページを切り替えられます。</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Tandrel Ledgerine looks.</source>
        <translation>Tandrel Ledgerine の見た目を設定します。</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>アクセントカラーを選択</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>アクセントカラー</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>出納帳での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2行表示</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>小数点の自動入力</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>支払先の下の2行目にメモを表示します。</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>1234 と入力すると 12.34 になります。下2桁は常に小数点以下の金額になります。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>出納帳での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が一番上に表示されます。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your check register in sync across all your devices.</source>
        <translation>すべてのデバイスで出納帳を同期します。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データをバックアップファイルに保存したり、バックアップファイルから復元したりします。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital check register for tracking household finances.</source>
        <translation>家計を記録するためのデジタル出納帳です。</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>このアプリケーションは、LGPL v3 ライセンスのもとで Qt フレームワークを使用しています。</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tandrel Ledgerine.</source>
        <translation>新しい言語は、次回 Tandrel Ledgerine を起動したときに適用されます。</translation>
    </message>
    <message>
        <source>Account Not Restored</source>
        <translation>口座を復元できませんでした</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored; nothing was changed.</source>
        <translation>口座「%1」を復元できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>ローカルのすべての行をサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが同期されていないように見える場合に使用してください。

続行しますか？</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポートしています...</translation>
    </message>
    <message>
        <source>Writing the backup...</source>
        <translation>バックアップを書き込んでいます...</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか？</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>バックアップを復元しています...</translation>
    </message>
</context>
<context>
    <name>SignInQuestions</name>
    <message>
        <source>Confirm Sign-In</source>
        <translation>サインインの確認</translation>
    </message>
    <message>
        <source>Sign in as %1?</source>
        <translation>%1 としてサインインしますか？</translation>
    </message>
    <message>
        <source>Choose Yes only if this is the account you just signed in with in your browser.</source>
        <translation>ブラウザーでたった今サインインしたアカウントである場合にのみ、［はい］を選択してください。</translation>
    </message>
    <message>
        <source>Upload Ledger</source>
        <translation>帳簿のアップロード</translation>
    </message>
    <message>
        <source>Upload this ledger to the account %1?</source>
        <translation>この帳簿をアカウント %1 にアップロードしますか？</translation>
    </message>
    <message numerus="yes">
        <source>This ledger holds %n transaction(s) and last synced with the account %1.</source>
        <translation>
            <numerusform>この帳簿には %n 件の取引があり、最後にアカウント %1 と同期しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>If you choose No, %1 is signed out and the ledger stays as it is.</source>
        <translation>［いいえ］を選択すると、%1 はサインアウトされ、帳簿はそのまま残ります。</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>分割取引</translation>
    </message>
    <message>
        <source>Transaction amount:</source>
        <translation>取引金額:</translation>
    </message>
    <message>
        <source>Left to assign:</source>
        <translation>未割り当て:</translation>
    </message>
    <message>
        <source>Set Amount to &amp;Total</source>
        <translation>金額を合計に合わせる(&amp;T)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>「%1」は金額として不完全です。修正するか、金額を指定しない場合は消去してください。</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>「%1」に一致するカテゴリが複数あります。一覧から選択してください。</translation>
    </message>
    <message numerus="yes">
        <source>Total of %n line(s):</source>
        <translation>
            <numerusform>%n行の合計:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>&amp;Add Line</source>
        <translation>行を追加(&amp;A)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>行を削除</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message numerus="yes">
        <source>%n recurring transaction(s) due</source>
        <translation>
            <numerusform>期日を迎えた定期取引: %n件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n record(s) not readable yet)</source>
        <translation>
            <numerusform>%1（%n 件のレコードはまだ読み取れません）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This version cannot read %n record(s) from the sync service yet. They are kept and tried again at every sync.</source>
        <translation>
            <numerusform>このバージョンでは、同期サービスの %n 件のレコードをまだ読み取れません。レコードは保持され、同期のたびに再試行されます。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TandAccount::ShareMembersDialog</name>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share this account with them.</source>
        <translation>ファミリーグループにはまだ他のメンバーがいません。この口座を共有するには、グループにメンバーを招待してください。</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>グループのメンバー全員がすでにアクセスできます</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>アクセスを削除しますか？</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 はアクセスできなくなります。続行しますか？</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込んでいます…</translation>
    </message>
    <message>
        <source>Could not load who has access to this account.</source>
        <translation>この口座にアクセスできるユーザーを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Could not load your group&apos;s members.</source>
        <translation>グループのメンバーを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Members can be added once it is known who has access.</source>
        <translation>アクセスできるユーザーが判明すると、メンバーを追加できるようになります。</translation>
    </message>
    <message>
        <source>Sharing with %1…</source>
        <translation>%1 と共有しています…</translation>
    </message>
    <message>
        <source>Removing %1…</source>
        <translation>%1 を削除しています…</translation>
    </message>
</context>
<context>
    <name>TandUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>更新があります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>現在のバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>TandUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>現在のバージョン: %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>The new transaction could not be saved: %1.</source>
        <translation>新しい取引を保存できませんでした: %1。</translation>
    </message>
    <message>
        <source>The changes to the transaction could not be saved: %1.</source>
        <translation>取引への変更を保存できませんでした: %1。</translation>
    </message>
    <message>
        <source>Delete the transfer for %1? Its other side, in %2, is deleted too.</source>
        <translation>「%1」の振替を削除しますか？%2 にある相手側の取引も削除されます。</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>「%1」の取引を削除しますか？</translation>
    </message>
    <message>
        <source>This transaction is reconciled: its statement will no longer add up.</source>
        <translation>この取引は照合済みのため、明細書と金額が合わなくなります。</translation>
    </message>
    <message>
        <source>The other side is reconciled: its statement will no longer add up.</source>
        <translation>相手側の取引は照合済みのため、その明細書と金額が合わなくなります。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1.</source>
        <translation>取引を削除できませんでした: %1。</translation>
    </message>
    <message>
        <source>This transaction is reconciled</source>
        <translation>この取引は照合済みです</translation>
    </message>
    <message>
        <source>Its other side, in %1, is reconciled</source>
        <translation>%1 にある相手側の取引は照合済みです</translation>
    </message>
    <message>
        <source>Change a Reconciled Transaction</source>
        <translation>照合済みの取引の変更</translation>
    </message>
    <message>
        <source>%1: changing it means its statement will no longer add up. Change it anyway?</source>
        <translation>%1。変更すると明細書と金額が合わなくなります。変更しますか？</translation>
    </message>
    <message>
        <source>another account</source>
        <translation>別の口座</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>日付が正しくありません</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>日付を「月/日/年」の形式で入力してください（例: 12/31/2026）。</translation>
    </message>
    <message>
        <source>Split Does Not Add Up</source>
        <translation>分割の合計が一致しません</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2. Open the split to correct them.</source>
        <translation>分割行の合計は %1 で、金額の %2 と一致しません。分割を開いて修正してください。</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>金額を複数のカテゴリに分けます</translation>
    </message>
    <message>
        <source>C&amp;leared</source>
        <translation>決済済み(&amp;L)</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>日付(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>番号(&amp;N):</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>支払先(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>カテゴリ(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Memo:</source>
        <translation>メモ(&amp;M):</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>金額(&amp;A):</translation>
    </message>
    <message>
        <source>Reconciled transactions stay cleared</source>
        <translation>照合済みの取引は決済済みのままになります</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>（削除された口座）</translation>
    </message>
    <message numerus="yes">
        <source>Split into %n line(s)</source>
        <translation>
            <numerusform>分割（%n行）</numerusform>
        </translation>
    </message>
    <message>
        <source>The amount of a split is the sum of its lines</source>
        <translation>分割取引の金額は各行の合計です</translation>
    </message>
    <message>
        <source>Edit &amp;Split...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>マイナス記号を入力すると、出金と入金を切り替えられます</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>分割(&amp;S)...</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>カテゴリの選択</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single category. Choose one, or clear the field, before splitting.</source>
        <translation>「%1」は1つのカテゴリを指していません。分割する前に、カテゴリを選択するか欄を空にしてください。</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;: pick one from the list, or OK will offer to create it.</source>
        <translation>「%1」という名前のカテゴリはありません。一覧から選択してください。選択しない場合は、OK を押すと作成するかどうかを確認します。</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one.</source>
        <translation>「%1」に一致するカテゴリが複数あります。1つ選択してください。</translation>
    </message>
    <message>
        <source>Amount in %1:</source>
        <translation>%1 側の金額:</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>金額が正しくありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>「%1」は金額として不完全です。修正するか、金額を指定しない場合は消去してください。</translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation>保存する内容がありません</translation>
    </message>
    <message>
        <source>Enter a payee or an amount.</source>
        <translation>支払先または金額を入力してください。</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>「%1」に一致するカテゴリが複数あります。一覧から選択してください。</translation>
    </message>
    <message>
        <source>Amount Missing</source>
        <translation>金額がありません</translation>
    </message>
    <message>
        <source>Enter the amount as %1 counts it, in its own currency.</source>
        <translation>%1 で記録される金額を、その口座の通貨で入力してください。</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで使えます。データはこのデバイスに残ります。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座を追加します（普通預金、貯蓄預金、クレジットカードなど、管理したい口座なら何でも追加できます）。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>お金を使ったら、そのつど取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細書が届いたら照合します。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインすると、デバイス間でデータを同期できます。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別の口座を作成</translation>
    </message>
    <message>
        <source>Welcome to
Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine へ
ようこそ</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>デジタル出納帳</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
</context>
</TS>

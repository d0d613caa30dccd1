-- The ledger's tables. Optional links (categories, parents, transfer links,
-- recurring items, destination accounts) carry no foreign key: import and
-- sync write rows in whatever order they arrive.

CREATE TABLE accounts (
    id TEXT PRIMARY KEY NOT NULL,
    name TEXT NOT NULL,
    account_type TEXT NOT NULL DEFAULT 'checking',
    currency TEXT NOT NULL DEFAULT 'USD',
    institution TEXT NOT NULL DEFAULT '',
    account_number_last4 TEXT NOT NULL DEFAULT '',
    starting_balance INTEGER NOT NULL DEFAULT 0,
    sort_order INTEGER NOT NULL DEFAULT 0,
    is_shared INTEGER NOT NULL DEFAULT 0,
    version INTEGER NOT NULL DEFAULT 1,
    sync_status TEXT NOT NULL DEFAULT 'pending',
    server_id TEXT,
    created_at TEXT NOT NULL,
    updated_at TEXT NOT NULL,
    deleted_at TEXT
);

CREATE TABLE categories (
    id TEXT PRIMARY KEY NOT NULL,
    name TEXT NOT NULL,
    category_type TEXT NOT NULL DEFAULT 'expense',
    parent_id TEXT,
    is_tax_relevant INTEGER NOT NULL DEFAULT 0,
    tax_category TEXT NOT NULL DEFAULT '',
    icon TEXT NOT NULL DEFAULT '',
    color TEXT NOT NULL DEFAULT '',
    is_default INTEGER NOT NULL DEFAULT 0,
    account_id TEXT,
    version INTEGER NOT NULL DEFAULT 1,
    sync_status TEXT NOT NULL DEFAULT 'pending',
    server_id TEXT,
    created_at TEXT NOT NULL,
    updated_at TEXT NOT NULL,
    deleted_at TEXT
);

CREATE TABLE transactions (
    id TEXT PRIMARY KEY NOT NULL,
    account_id TEXT NOT NULL REFERENCES accounts(id),
    date TEXT NOT NULL,
    payee TEXT NOT NULL DEFAULT '',
    memo TEXT NOT NULL DEFAULT '',
    amount INTEGER NOT NULL DEFAULT 0,
    category_id TEXT,
    check_number TEXT NOT NULL DEFAULT '',
    cleared INTEGER NOT NULL DEFAULT 0,
    reconciled INTEGER NOT NULL DEFAULT 0,
    transfer_link_id TEXT,
    transfer_dest_account_id TEXT,
    is_split INTEGER NOT NULL DEFAULT 0,
    recurring_id TEXT,
    version INTEGER NOT NULL DEFAULT 1,
    sync_status TEXT NOT NULL DEFAULT 'pending',
    server_id TEXT,
    created_at TEXT NOT NULL,
    updated_at TEXT NOT NULL,
    deleted_at TEXT
);

CREATE TABLE split_lines (
    id TEXT PRIMARY KEY NOT NULL,
    transaction_id TEXT NOT NULL REFERENCES transactions(id) ON DELETE CASCADE,
    category_id TEXT,
    amount INTEGER NOT NULL DEFAULT 0,
    memo TEXT NOT NULL DEFAULT '',
    created_at TEXT NOT NULL,
    updated_at TEXT NOT NULL
);

CREATE TABLE recurring_transactions (
    id TEXT PRIMARY KEY NOT NULL,
    account_id TEXT NOT NULL REFERENCES accounts(id),
    payee TEXT NOT NULL DEFAULT '',
    memo TEXT NOT NULL DEFAULT '',
    amount INTEGER NOT NULL DEFAULT 0,
    category_id TEXT,
    frequency TEXT NOT NULL DEFAULT 'monthly',
    interval_count INTEGER NOT NULL DEFAULT 1,
    semimonthly_day_1 INTEGER NOT NULL DEFAULT 1,
    semimonthly_day_2 INTEGER NOT NULL DEFAULT 15,
    start_date TEXT NOT NULL,
    end_date TEXT,
    next_due_date TEXT NOT NULL,
    auto_post INTEGER NOT NULL DEFAULT 0,
    lead_days INTEGER NOT NULL DEFAULT 0,
    is_active INTEGER NOT NULL DEFAULT 1,
    transfer_dest_account_id TEXT,
    version INTEGER NOT NULL DEFAULT 1,
    sync_status TEXT NOT NULL DEFAULT 'pending',
    server_id TEXT,
    created_at TEXT NOT NULL,
    updated_at TEXT NOT NULL,
    deleted_at TEXT
);

CREATE TABLE reconciliations (
    id TEXT PRIMARY KEY NOT NULL,
    account_id TEXT NOT NULL REFERENCES accounts(id),
    statement_date TEXT NOT NULL,
    statement_balance INTEGER NOT NULL DEFAULT 0,
    reconciled_balance INTEGER NOT NULL DEFAULT 0,
    completed_at TEXT,
    version INTEGER NOT NULL DEFAULT 1,
    sync_status TEXT NOT NULL DEFAULT 'pending',
    server_id TEXT,
    created_at TEXT NOT NULL,
    updated_at TEXT NOT NULL,
    deleted_at TEXT
);

CREATE TABLE preferences (
    key TEXT PRIMARY KEY NOT NULL,
    value TEXT NOT NULL
);

CREATE INDEX idx_accounts_server_id ON accounts(server_id);
CREATE INDEX idx_categories_server_id ON categories(server_id);
CREATE INDEX idx_transactions_server_id ON transactions(server_id);
CREATE INDEX idx_recurring_server_id ON recurring_transactions(server_id);
CREATE INDEX idx_reconciliations_server_id ON reconciliations(server_id);

CREATE INDEX idx_accounts_sync_status ON accounts(sync_status);
CREATE INDEX idx_categories_sync_status ON categories(sync_status);
CREATE INDEX idx_transactions_sync_status ON transactions(sync_status);
CREATE INDEX idx_recurring_sync_status ON recurring_transactions(sync_status);
CREATE INDEX idx_reconciliations_sync_status ON reconciliations(sync_status);

-- Covers the register order, so a long register is read without a sort.
CREATE INDEX idx_transactions_account_date ON transactions(account_id, date, created_at, id);
CREATE INDEX idx_transactions_transfer_link ON transactions(transfer_link_id);
CREATE INDEX idx_split_lines_transaction ON split_lines(transaction_id);
CREATE INDEX idx_recurring_account ON recurring_transactions(account_id);
CREATE INDEX idx_reconciliations_account ON reconciliations(account_id, statement_date);

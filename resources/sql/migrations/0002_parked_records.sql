-- Records from the sync service that belong to an account this ledger does
-- not hold yet (the service sends it on a later page). They wait here, as the
-- service sent them, instead of in the ledger's tables, whose rows always
-- point at an account that exists. A record waits once per kind and key: its
-- client id, or its server id when it has none. account_id is the account
-- as the record names it, by client or by server id.

CREATE TABLE parked_records (
    kind TEXT NOT NULL,
    record_key TEXT NOT NULL,
    account_id TEXT NOT NULL,
    version INTEGER NOT NULL DEFAULT 0,
    record TEXT NOT NULL,
    PRIMARY KEY (kind, record_key)
);

CREATE INDEX idx_parked_records_account ON parked_records(account_id);

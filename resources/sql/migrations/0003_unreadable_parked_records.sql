-- Records from the sync service that this version cannot store faithfully
-- (a currency or a frequency it does not know) wait with the records that
-- wait for their account, marked here, until a version that reads them
-- comes. They are tried again at every sync; the records of an account
-- that waits here wait with it.

ALTER TABLE parked_records ADD COLUMN unreadable INTEGER NOT NULL DEFAULT 0;

#include "storage/RecordId.h"

#include <QUuid>

QString newRecordId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

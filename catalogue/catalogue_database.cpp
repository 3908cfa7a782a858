#include "catalogue/catalogue_database.h"

#include <atomic>

#include "catalogue/connection.h"
#include "catalogue/connection_string.h"

namespace lz::catalogue {

CatalogueDatabase::CatalogueDatabase() = default;
CatalogueDatabase::~CatalogueDatabase() = default;

// The SQLite store stands in for the driver: like one, it takes its file from the DBQ
// piece of the composed string. It has no password, so PWD is composed and ignored, and
// it never shows a dialog, so the prompt choice changes nothing.
bool CatalogueDatabase::OpenMdbDatabase(std::string_view path, std::string_view user,
                                        std::string_view password, bool readOnly,
                                        bool /*suppressDriverPrompt*/) {
    std::string connection = composeConnectionString(path, user, password);
    const std::optional<std::string> file = connectionStringValue(connection, "DBQ");
    // A path the string cannot carry (one holding ';') must not open some other file.
    if (!file || *file != path) {
        return false;
    }
    return adopt(Connection::open(*file, readOnly, std::move(connection), queryTimeout_));
}

bool CatalogueDatabase::openImage(std::span<const std::byte> image) {
    return adopt(Connection::openImage(image, queryTimeout_));
}

bool CatalogueDatabase::adopt(std::unique_ptr<Connection> opened) {
    if (!opened) {
        return false;
    }
    connection_ = std::move(opened);
    // Whatever was read on the connection replaced is stale now, whichever way it opened.
    static std::atomic<std::uint64_t> connections{0};
    connectionSerial_ = ++connections;
    return true;
}

RecordSetHandle CatalogueDatabase::OpenTable(std::string_view sql) {
    return connection_ ? connection_->openRecordSet(sql) : 0;
}

bool CatalogueDatabase::IsEOF(RecordSetHandle handle) const {
    const CMRecordSet* recordSet = connection_ ? connection_->recordSet(handle) : nullptr;
    return recordSet == nullptr || recordSet->isEOF();
}

bool CatalogueDatabase::HasFailed(RecordSetHandle handle) const {
    const CMRecordSet* recordSet = connection_ ? connection_->recordSet(handle) : nullptr;
    return recordSet != nullptr && recordSet->failed();
}

void CatalogueDatabase::MoveFirst(RecordSetHandle handle) {
    if (CMRecordSet* recordSet = connection_ ? connection_->recordSet(handle) : nullptr) {
        recordSet->moveFirst();
    }
}

void CatalogueDatabase::MoveNext(RecordSetHandle handle) {
    if (CMRecordSet* recordSet = connection_ ? connection_->recordSet(handle) : nullptr) {
        recordSet->moveNext();
    }
}

FieldValue CatalogueDatabase::ReadColByName(RecordSetHandle handle, std::string_view column) {
    const CMRecordSet* recordSet = connection_ ? connection_->recordSet(handle) : nullptr;
    return recordSet ? recordSet->read(column) : FieldValue{};
}

void CatalogueDatabase::CloseTable(RecordSetHandle handle) {
    if (!connection_) {
        return;
    }
    if (handle == 0) {
        connection_->closeAllRecordSets();
    } else {
        connection_->closeRecordSet(handle);
    }
}

void CatalogueDatabase::CloseDatabase() {
    connection_.reset();
    connectionSerial_ = 0;
}

bool CatalogueDatabase::isConnected() const {
    return connection_ != nullptr;
}

bool CatalogueDatabase::isReadOnly() const {
    return connection_ != nullptr && connection_->readOnly();
}

std::string CatalogueDatabase::connectionString() const {
    return connection_ ? connection_->connectionString() : std::string();
}

int CatalogueDatabase::openRecordSetCount() const {
    return connection_ ? connection_->openRecordSetCount() : 0;
}

void CatalogueDatabase::setQueryTimeout(std::chrono::milliseconds timeout) {
    queryTimeout_ = timeout;
    if (connection_) {
        connection_->setQueryTimeout(timeout);
    }
}

}  // namespace lz::catalogue

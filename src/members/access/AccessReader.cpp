#include "members/access/AccessReader.h"

// libmdb's header uses glib types without including glib itself.
#include <filesystem>
#include <glib.h>
#include <mdbtools.h>
#include <memory>

namespace velk {

namespace {

// Large enough for the longest memo text the import keeps, and far beyond any text column.
constexpr std::size_t kBindSize = 65536;

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

} // namespace

AccessRead ReadAccessTable(const std::string& path, const std::string& tableName, AccessTable& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return AccessRead::CannotOpen;
    std::unique_ptr<MdbHandle, HandleCloser> mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb)
        return AccessRead::CannotOpen;
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d");
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE))
        return AccessRead::CannotOpen;
    std::string name = tableName;
    std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table_by_name(mdb.get(), name.data(), MDB_TABLE));
    if (!table)
        return AccessRead::NoTable;
    if (!mdb_read_columns(table.get()) || mdb_rewind_table(table.get()) != 0)
        return AccessRead::NoTable;

    const unsigned columns = table->num_cols;
    AccessTable read;
    std::vector<std::vector<char>> values(columns, std::vector<char>(kBindSize + 1));
    std::vector<int> lengths(columns, 0);
    for (unsigned i = 0; i < columns; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        read.Columns.emplace_back(column->name);
        mdb_bind_column(table.get(), static_cast<int>(i) + 1, values[i].data(), &lengths[i]);
    }
    while (mdb_fetch_row(table.get())) {
        std::vector<std::optional<std::string>> row(columns);
        for (unsigned i = 0; i < columns; ++i) {
            const std::size_t length =
                std::min<std::size_t>(static_cast<std::size_t>(std::max(lengths[i], 0)), kBindSize);
            if (length > 0)
                row[i] = std::string(values[i].data(), length);
        }
        read.Rows.push_back(std::move(row));
    }
    out = std::move(read);
    return AccessRead::Ok;
}

} // namespace velk

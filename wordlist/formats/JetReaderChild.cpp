#include "wordlist/formats/JetReaderChild.h"

#include "store/FileKind.h"
#include "store/MessageText.h"
#include "wordlist/formats/JetReaderPayload.h"
#include "wordlist/formats/JetReaderValues.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <memory>
#include <optional>

namespace lexitor::wordlist::jet {

namespace {

constexpr int kRowOffsetMask = 0x1fff; // a row's start on its page, without the flags
constexpr qsizetype kTablesNamed = 10;

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;
using FieldColumns = std::array<int, store::kWordFields.size()>;

MdbColumn* column(MdbTableDef* table, unsigned i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
}

bool sameName(const QString& a, std::string_view b) {
    return a.compare(QLatin1String(b.data(), qsizetype(b.size())), Qt::CaseInsensitive) == 0;
}

// A name the file gave, as a message quotes it.
QString quoted(const QString& name) {
    return QString::fromStdString(store::excerpt(name.toStdString()));
}

// A table of the file, opened with its columns.
struct OpenTable {
    Table table;
    unsigned long page = 0; // the page that defines it
    FieldColumns at{};      // where each word field is
    QStringList others;     // the fields besides them
};

class ChildReader {
public:
    // `bytes`: the whole file, read into memory at once.
    ChildReader(const QString& name, unsigned char* bytes, std::size_t size)
        : name_(name), size_(size) {
        mdb_.reset(mdb_open_buffer(bytes, size, MDB_NOFLAGS));
        if (!mdb_ || !mdb_read_catalog(mdb_.get(), MDB_TABLE))
            fail(QStringLiteral("'%1' cannot be read as a Jet database: it looks damaged.")
                     .arg(name_));
    }

    void read(const QString& wanted, PayloadWriter& out) {
        QStringList names;
        for (unsigned i = 0; i < mdb_->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
            if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
                names.append(QString::fromUtf8(entry->object_name));
        }
        if (!wanted.isEmpty()) {
            const auto found = std::find_if(names.begin(), names.end(), [&](const QString& n) {
                return n.compare(wanted, Qt::CaseInsensitive) == 0;
            });
            if (found == names.end())
                fail(QStringLiteral("'%1' holds no table %2 (%3).")
                         .arg(name_, quoted(wanted), tablesText(names)));
            readRows(*found, *open(*found, true), out);
            return;
        }
        QStringList levelTables;
        std::optional<OpenTable> chosen;
        for (const QString& name : names) {
            for (const store::LevelDatabase& level : store::kLevels) {
                if (!sameName(name, level.table))
                    continue;
                if (auto table = open(name, false)) {
                    chosen = std::move(table);
                    levelTables.append(name);
                }
            }
        }
        if (levelTables.size() > 1)
            fail(QStringLiteral("'%1' holds more than one level table (%2); name one with "
                                "--table.")
                     .arg(name_, levelTables.join(QStringLiteral(", "))));
        if (levelTables.isEmpty())
            fail(QStringLiteral("'%1' holds no level table (word0, word1 or word2 with the "
                                "fields word, ans, c1, c2, c3 and ref; %2).")
                     .arg(name_, tablesText(names)));
        readRows(levelTables.front(), *chosen, out);
    }

private:
    [[noreturn]] static void fail(const QString& text) { throw JetError(text.toStdString()); }

    static QString tablesText(const QStringList& names) {
        if (names.isEmpty())
            return QStringLiteral("it holds no tables");
        QStringList shown;
        for (const QString& name : names.mid(0, kTablesNamed))
            shown.append(quoted(name));
        if (names.size() > kTablesNamed)
            shown.append(QStringLiteral("and %1 more").arg(names.size() - kTablesNamed));
        return QStringLiteral("its tables: ") + shown.join(QStringLiteral(", "));
    }

    // The table `name` with its columns; std::nullopt when it lacks a word
    // field and `required` is false.
    std::optional<OpenTable> open(const QString& name, bool required) {
        QByteArray utf8 = name.toUtf8();
        MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb_.get(), utf8.data());
        OpenTable open{Table(entry ? mdb_read_table(entry) : nullptr)};
        if (!open.table || !mdb_read_columns(open.table.get()))
            fail(QStringLiteral("'%1' is damaged: table %2 cannot be read.")
                     .arg(name_, quoted(name)));
        open.page = entry->table_pg;
        open.at.fill(-1);
        for (unsigned i = 0; i < open.table->num_cols; ++i) {
            MdbColumn* col = column(open.table.get(), i);
            const QString colName = QString::fromUtf8(col->name);
            std::size_t f = 0;
            while (f < open.at.size() && !sameName(colName, store::kWordFields[f].name))
                ++f;
            if (f == open.at.size()) {
                open.others.append(colName);
                continue;
            }
            if (col->col_type != MDB_TEXT && col->col_type != MDB_MEMO)
                fail(QStringLiteral("'%1': field %2 of table %3 is not a Text or Memo field.")
                         .arg(name_, colName, quoted(name)));
            open.at[f] = int(i);
        }
        for (std::size_t f = 0; f < open.at.size(); ++f) {
            if (open.at[f] >= 0)
                continue;
            if (!required)
                return std::nullopt;
            fail(QStringLiteral("'%1': table %2 has no field %3.")
                     .arg(name_, quoted(name),
                          QString::fromLatin1(store::kWordFields[f].name.data())));
        }
        return open;
    }

    // Sends the table and its rows, as they are read.
    void readRows(const QString& name, const OpenTable& open, PayloadWriter& out) {
        MdbTableDef* table = open.table.get();
        out.byte('T');
        out.text(name.toStdString());
        out.number(std::uint32_t(open.others.size()));
        for (const QString& other : open.others)
            out.text(other.toStdString());
        MdbHandle* mdb = mdb_.get();
        ValueReader values(mdb, std::uint32_t(open.page), size_);
        std::vector<MdbField> fields(table->num_cols);
        std::vector<store::FieldValue> row(open.at.size());
        std::uint32_t count = 0;
        mdb_rewind_table(table);
        while (mdb_fetch_row(table)) {
            if (++count > table->num_rows) // pages that lead round in a circle
                break;
            out.flushIfFull();
            // The fetch leaves the row's page in pg_buf; taking the row apart
            // again tells a null from an empty text, which bound columns do not.
            int start = 0;
            std::size_t length = 0;
            const bool found = table->cur_row > 0 &&
                               mdb_find_row(mdb, int(table->cur_row) - 1, &start, &length) == 0;
            if (!found || mdb_crack_row(table, start & kRowOffsetMask, length, fields.data()) !=
                              int(table->num_cols)) {
                damaged(out, "word", "cannot be found in its row");
                continue;
            }
            std::string damage;
            std::size_t f = 0;
            for (; f < open.at.size() && damage.empty(); ++f) {
                const auto field =
                    std::find_if(fields.begin(), fields.end(),
                                 [&](const MdbField& x) { return x.colnum == open.at[f]; });
                if (field == fields.end()) {
                    damage = "cannot be found in its row";
                } else if (field->is_null) {
                    row[f].reset();
                } else {
                    ValueText value = values.text(*column(table, unsigned(open.at[f])), *field);
                    damage = std::move(value.damage);
                    row[f] = std::move(value.text);
                }
            }
            if (!damage.empty()) {
                damaged(out, store::kWordFields[f - 1].name, damage);
                continue;
            }
            out.byte('R');
            for (const store::FieldValue& value : row)
                out.field(value);
        }
        if (count != table->num_rows)
            fail(QStringLiteral("'%1' is damaged: table %2 holds %3 rows, but %4 can be read.")
                     .arg(name_, quoted(name))
                     .arg(table->num_rows)
                     .arg(count > table->num_rows ? QStringLiteral("more")
                                                  : QStringLiteral("only %1").arg(count)));
        out.byte('Z');
    }

    static void damaged(PayloadWriter& out, std::string_view field, const std::string& what) {
        out.byte('D');
        out.text(field);
        out.text(what);
    }

    QString name_;
    std::size_t size_;
    Handle mdb_;
};

// The address space the child has now, inherited from its parent.
rlim_t addressSpace() {
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    char text[64] = {};
    const ssize_t n = fd >= 0 ? ::read(fd, text, sizeof text - 1) : -1;
    if (fd >= 0)
        ::close(fd);
    return n > 0 ? rlim_t(std::strtoull(text, nullptr, 10)) * rlim_t(::sysconf(_SC_PAGESIZE)) : 0;
}

// The child stops at its limits, and with its parent.
void bound(pid_t parent, const JetLimits& limits) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(3); // the parent died before the line above took effect
    // The parent's deadline comes first; this is for a parent that cannot
    // keep it (stopped, or starved of time).
    const auto seconds = rlim_t(std::chrono::ceil<std::chrono::seconds>(limits.time).count()) + 2;
    const rlimit cpu{seconds, seconds + 1};
    ::setrlimit(RLIMIT_CPU, &cpu);
    const rlim_t memory = addressSpace() + limits.memory;
    const rlimit space{memory, memory};
    ::setrlimit(RLIMIT_AS, &space);
}

} // namespace

void runReaderChild(int out, pid_t parent, const QString& path, const QString& table,
                    const JetLimits& limits) {
    bound(parent, limits);
    // The library reports problems on the standard streams, which are the
    // parent's; and the child needs none of the parent's other files. The
    // pipe moves out of the way first, in case it is one of 0 to 2.
    const int pipe = ::fcntl(out, F_DUPFD_CLOEXEC, 10);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (pipe < 0 || null < 0)
        ::_exit(2);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    out = ::dup2(pipe, 3);
    ::close_range(4, ~0U, 0);
    // Opened by its own name from its folder, however long the folder's
    // path, and read into memory at once: libmdb then reads its pages
    // without a system call each.
    const QFileInfo file(path);
    const QString name = file.fileName();
    PayloadWriter payload(out);
    int status = 0;
    try {
        std::string why;
        const int fd = ::chdir(QFile::encodeName(file.absolutePath()).constData()) == 0
                           ? store::openRegularFile(QFile::encodeName(name).toStdString(), why)
                           : -1;
        struct stat st {};
        void* bytes = fd >= 0 && ::fstat(fd, &st) == 0 && st.st_size > 0
                          ? ::mmap(nullptr, std::size_t(st.st_size), PROT_READ | PROT_WRITE,
                                   MAP_PRIVATE | MAP_POPULATE, fd, 0)
                          : MAP_FAILED;
        if (bytes == MAP_FAILED)
            throw JetError(QStringLiteral("Cannot read '%1'.").arg(name).toStdString());
        ChildReader reader(name, static_cast<unsigned char*>(bytes), std::size_t(st.st_size));
        reader.read(table, payload);
    } catch (const std::exception& error) {
        payload.byte('E');
        payload.text(error.what());
        status = 1;
    }
    ::_exit(payload.flush() ? status : 2);
}

} // namespace lexitor::wordlist::jet

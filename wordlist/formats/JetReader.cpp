#include "wordlist/formats/JetReader.h"

#include "wordlist/formats/Utf8Check.h"

#include <QFile>
#include <QFileInfo>

// glib first: mdbtools.h includes it inside extern "C", where its C++ parts
// cannot be declared.
#include <glib.h>
#include <mdbtools.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

namespace lexitor::wordlist {

namespace {

constexpr int kRowOffsetMask = 0x1fff; // a row's start on its page, without the flags
constexpr std::size_t kLargestMemo = std::size_t(64) << 20;

// What the child sends back: 'T' and the table, or 'E' and the reason.
class Payload {
public:
    void byte(char c) { bytes_.push_back(c); }
    void number(std::uint32_t n) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(char((n >> shift) & 0xff));
    }
    void text(std::string_view s) {
        number(std::uint32_t(s.size()));
        bytes_.append(s);
    }
    void field(const store::FieldValue& value) {
        byte(value ? 1 : 0);
        if (value)
            text(*value);
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class PayloadReader {
public:
    explicit PayloadReader(const QByteArray& bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == bytes_.size(); }
    char byte() { return need(1) ? bytes_[at_++] : '\0'; }
    std::uint32_t number() {
        std::uint32_t n = 0;
        for (int shift = 0; shift < 32 && need(1); shift += 8)
            n |= std::uint32_t(static_cast<unsigned char>(bytes_[at_++])) << shift;
        return n;
    }
    std::string text() {
        const std::uint32_t size = number();
        if (!need(size))
            return {};
        std::string s(bytes_.constData() + at_, size);
        at_ += size;
        return s;
    }
    store::FieldValue field() {
        if (byte() == 0)
            return std::nullopt;
        return text();
    }

private:
    bool need(qsizetype n) {
        ok_ = ok_ && bytes_.size() - at_ >= n;
        return ok_;
    }
    const QByteArray& bytes_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

MdbColumn* column(MdbTableDef* table, unsigned i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
}

bool sameName(const char* a, std::string_view b) {
    return std::string_view(a).size() == b.size() &&
           g_ascii_strncasecmp(a, b.data(), b.size()) == 0;
}

// Reads the file in this (child) process; throws JetError.
class ChildReader {
public:
    ChildReader(const QString& path, QString name) : name_(std::move(name)) {
        mdb_.reset(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
        if (!mdb_ || !mdb_read_catalog(mdb_.get(), MDB_TABLE))
            fail(QStringLiteral("'%1' cannot be read as a Jet database (it looks damaged)")
                     .arg(name_));
    }

    std::string read(const QString& wanted) {
        QStringList names;
        for (unsigned i = 0; i < mdb_->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
            if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
                names.append(QString::fromUtf8(entry->object_name));
        }
        const QString tables = names.isEmpty() ? QStringLiteral("it holds no tables")
                                               : QStringLiteral("its tables: ") +
                                                     names.join(QStringLiteral(", "));
        if (!wanted.isEmpty()) {
            for (const QString& name : names) {
                if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                    return readTable(name, true);
            }
            fail(QStringLiteral("'%1' holds no table %2 (%3)").arg(name_, wanted, tables));
        }
        std::string found;
        QStringList levelTables;
        for (const QString& name : names) {
            for (const store::LevelDatabase& level : store::kLevels) {
                if (sameName(name.toUtf8().constData(), level.table)) {
                    std::string rows = readTable(name, false);
                    if (!rows.empty()) {
                        found = std::move(rows);
                        levelTables.append(name);
                    }
                }
            }
        }
        if (levelTables.size() > 1)
            fail(QStringLiteral("'%1' holds more than one level table (%2); name one with "
                                "--table")
                     .arg(name_, levelTables.join(QStringLiteral(", "))));
        if (found.empty())
            fail(QStringLiteral("'%1' holds no level table (word0, word1 or word2 with the "
                                "fields word, ans, c1, c2, c3 and ref; %2)")
                     .arg(name_, tables));
        return found;
    }

private:
    [[noreturn]] static void fail(const QString& text) { throw JetError(text.toStdString()); }
    [[noreturn]] void damaged(const QString& table) const {
        fail(QStringLiteral("'%1' is damaged: a row of table %2 cannot be read").arg(name_, table));
    }

    // The rows of `name` as a payload; "" when the table lacks a word field
    // and `required` is false.
    std::string readTable(const QString& name, bool required) {
        QByteArray utf8 = name.toUtf8();
        MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb_.get(), utf8.data());
        Table table(entry ? mdb_read_table(entry) : nullptr);
        if (!table || !mdb_read_columns(table.get()))
            fail(QStringLiteral("'%1' is damaged: table %2 cannot be read").arg(name_, name));

        std::array<int, store::kWordFields.size()> at{};
        QStringList others;
        at.fill(-1);
        for (unsigned i = 0; i < table->num_cols; ++i) {
            MdbColumn* col = column(table.get(), i);
            std::size_t f = 0;
            while (f < at.size() && !sameName(col->name, store::kWordFields[f].name))
                ++f;
            if (f == at.size()) {
                others.append(QString::fromUtf8(col->name));
                continue;
            }
            if (col->col_type != MDB_TEXT && col->col_type != MDB_MEMO)
                fail(QStringLiteral("'%1': field %2 of table %3 is not a Text or Memo field")
                         .arg(name_, QString::fromUtf8(col->name), name));
            at[f] = int(i);
        }
        for (std::size_t f = 0; f < at.size(); ++f) {
            if (at[f] >= 0)
                continue;
            if (!required)
                return {};
            fail(QStringLiteral("'%1': table %2 has no field %3")
                     .arg(name_, name, QString::fromLatin1(store::kWordFields[f].name.data())));
        }

        Payload payload;
        payload.byte('T');
        payload.text(utf8.toStdString());
        payload.number(std::uint32_t(others.size()));
        for (const QString& other : others)
            payload.text(other.toStdString());
        std::string rows;
        const std::uint32_t count = readRows(table.get(), at, name, rows);
        if (count != table->num_rows)
            fail(QStringLiteral("'%1' is damaged: table %2 holds %3 rows, but only %4 can be read")
                     .arg(name_, name)
                     .arg(table->num_rows)
                     .arg(count));
        payload.number(count);
        return payload.bytes() + rows;
    }

    std::uint32_t readRows(MdbTableDef* table, const std::array<int, store::kWordFields.size()>& at,
                           const QString& name, std::string& out) {
        MdbHandle* mdb = mdb_.get();
        std::vector<MdbField> fields(table->num_cols);
        std::uint32_t count = 0;
        mdb_rewind_table(table);
        while (mdb_fetch_row(table)) {
            // The fetch leaves the row's page in pg_buf; taking the row apart
            // again tells a null from an empty text, which bound columns do not.
            int start = 0;
            std::size_t length = 0;
            if (table->cur_row == 0 || mdb_find_row(mdb, int(table->cur_row) - 1, &start,
                                                    &length) != 0)
                damaged(name);
            const int n = mdb_crack_row(table, start & kRowOffsetMask, length, fields.data());
            if (n != int(table->num_cols))
                damaged(name);
            Payload row;
            for (const int column : at) {
                const auto field = std::find_if(fields.begin(), fields.end(),
                                                [column](const MdbField& f) {
                                                    return f.colnum == column;
                                                });
                if (field == fields.end())
                    damaged(name);
                row.field(field->is_null ? store::FieldValue()
                                         : fieldText(table, *field, name));
            }
            out += row.bytes();
            ++count;
        }
        return count;
    }

    std::string fieldText(MdbTableDef* table, const MdbField& field, const QString& name) {
        MdbHandle* mdb = mdb_.get();
        MdbColumn* col = column(table, unsigned(field.colnum));
        const int pageSize = int(mdb->fmt->pg_size);
        if (field.siz < 0 || field.start < 0 || field.start + field.siz > pageSize)
            damaged(name);
        if (field.siz == 0)
            return {};
        std::size_t stored = std::size_t(field.siz);
        if (col->col_type == MDB_MEMO) {
            if (field.siz < MDB_MEMO_OVERHEAD)
                damaged(name);
            const auto memo = std::size_t(mdb_get_int32(mdb->pg_buf, field.start) & 0x3fffffff);
            stored = std::max(memo, std::size_t(pageSize));
            if (stored > kLargestMemo)
                damaged(name);
        }
        // Every stored byte becomes at most three bytes of UTF-8, so the
        // library's text buffer never cuts a text short.
        mdb_set_bind_size(mdb, 3 * stored + 16);
        char* converted =
            mdb_col_to_string(mdb, mdb->pg_buf, field.start, col->col_type, field.siz);
        std::string text = converted ? converted : "";
        g_free(converted);
        if (firstInvalidUtf8(QByteArrayView(text.data(), qsizetype(text.size()))))
            damaged(name);
        return text;
    }

    QString name_;
    Handle mdb_;
};

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

[[noreturn]] void runChild(int out, const QString& path, const QString& table,
                           const QString& name) {
    // The library reports problems on the standard streams; ours are the
    // parent's, so they are closed here.
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
    }
    std::string payload;
    int status = 0;
    try {
        ChildReader reader(path, name);
        payload = reader.read(table);
    } catch (const std::exception& error) {
        payload = std::string("E") + error.what();
        status = 1;
    }
    ::_exit(writeAll(out, payload) ? status : 2);
}

JetWords parsePayload(const QByteArray& bytes, const QString& name) {
    PayloadReader in(bytes);
    JetWords words;
    const char kind = in.byte();
    if (kind == 'E')
        throw JetError(bytes.mid(1).toStdString());
    words.table = QString::fromStdString(in.text());
    for (std::uint32_t i = in.number(); in.ok() && i > 0; --i)
        words.otherFields.append(QString::fromStdString(in.text()));
    const std::uint32_t count = in.number();
    for (std::uint32_t i = 0; in.ok() && i < count; ++i) {
        store::WordRecord& r = words.rows.emplace_back();
        for (const store::WordField& field : store::kWordFields)
            r.*field.member = in.field();
    }
    if (kind != 'T' || !in.ok() || !in.atEnd())
        throw JetError(QStringLiteral("'%1' could not be read: the Jet reader stopped on it "
                                      "(the file looks damaged)")
                           .arg(name)
                           .toStdString());
    return words;
}

} // namespace

bool isJetFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(20);
    return start.size() == 20 && start.startsWith(QByteArray("\0\1\0\0", 4)) &&
           (start.mid(4) == QByteArray("Standard Jet DB\0", 16) ||
            start.mid(4) == QByteArray("Standard ACE DB\0", 16));
}

JetWords readJetWords(const QString& path, const QString& table) {
    const QString name = QFileInfo(path).fileName();
    if (!isJetFile(path))
        throw JetError(QStringLiteral("'%1' is not a Jet database file").arg(name).toStdString());
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw JetError(std::string("Cannot read '") + name.toStdString() +
                       "': " + std::strerror(errno));
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        runChild(pipeEnds[1], path, table, name);
    }
    ::close(pipeEnds[1]);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = child > 0 ? ::read(pipeEnds[0], buffer, sizeof buffer) : 0;
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        bytes.clear(); // a crash or a failed write: whatever came is not to be trusted
    return parsePayload(bytes, name);
}

} // namespace lexitor::wordlist

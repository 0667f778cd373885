// Dataset: editing, inserting, deleting, and writing the changes to the server.
#include "data/dataset.h"

#include "data/dbconnection.h"
#include "data/errors.h"

#include <mysql.h>

namespace orva::data {

void Dataset::requireWritable() const {
    requireActive();
    if (readOnly_)
        throw Exception(
            QStringLiteral("No se puede modificar un conjunto de datos de sólo lectura."));
}

void Dataset::checkBrowseMode() {
    if (state_ == State::Edit || state_ == State::Insert)
        post();
}

const UpdateTarget& Dataset::writableTarget() {
    const UpdateTarget& t = target();
    if (!t.isValid())
        throw Exception(QStringLiteral(
            "No se pueden guardar los cambios: la consulta no incluye la llave primaria de la "
            "tabla que se modifica."));
    if (!connection_)
        throw Exception(QStringLiteral("El conjunto de datos no tiene conexión asignada."));
    return t;
}

void Dataset::writeNow(const QByteArray& statement) {
    if (!statement.isEmpty())
        connection_->execute(statement);
}

QString Dataset::lockNameOf(const std::vector<CellText>& values) {
    const UpdateTarget& t = target();
    QString name = t.database + u'.' + t.table;
    for (int k : t.keyColumns) {
        const CellText& v = values[static_cast<std::size_t>(k)];
        name += u'\x1f' + (v ? QString::fromUtf8(*v) : QStringLiteral("\x01NULL"));
    }
    return name;
}

void Dataset::lockAndReread() {
    const UpdateTarget& t = target();
    if (!t.isValid() || !connection_)
        return; // nothing identifies the row on the server
    if (!lock_.acquire(*connection_, lockNameOf(buffer_)))
        throw Exception(QStringLiteral("Otro usuario está modificando este registro. Intente "
                                       "más tarde."));
    const int storeRow = storeRowAt(cur_);
    if (status_[static_cast<std::size_t>(storeRow)] != Unchanged)
        return; // the row holds changes of ours not yet applied: keep them
    try {
        // Edit what the server holds now, not what was read when the list opened.
        ResultPtr result =
            connection_->query(selectRowStatement(*connection_, t, fields_, buffer_));
        MYSQL_ROW row = result ? mysql_fetch_row(result.get()) : nullptr;
        if (!row)
            throw Exception(QStringLiteral("El registro ya no existe: otro usuario lo eliminó. "
                                           "Refresque los datos."));
        const unsigned long* lengths = mysql_fetch_lengths(result.get());
        bool changed = false;
        for (std::size_t j = 0; j < t.columns.size(); ++j) {
            CellText v = row[j] ? CellText(QByteArray(row[j], static_cast<qsizetype>(lengths[j])))
                                : std::nullopt;
            CellText& mine = buffer_[static_cast<std::size_t>(t.columns[j])];
            if (v != mine) {
                mine = std::move(v);
                changed = true;
            }
        }
        if (changed) {
            rows_[static_cast<std::size_t>(storeRow)] = PackedRow::fromValues(buffer_);
            emit rowChanged(cur_);
        }
    } catch (...) {
        lock_.release();
        throw;
    }
}

void Dataset::edit() {
    requireWritable();
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (view_.empty()) {
        insert();
        return;
    }
    buffer_ = rows_[static_cast<std::size_t>(storeRowAt(cur_))].unpack();
    if (lockMode_ == LockMode::Pessimistic) {
        try {
            lockAndReread();
        } catch (...) {
            buffer_.clear();
            throw;
        }
    }
    setState(State::Edit);
}

void Dataset::startNewRow(int position) {
    const int storeRow = static_cast<int>(rows_.size());
    rows_.emplace_back();
    status_.push_back(Unposted);
    emit rowAboutToBeInserted(position);
    view_.insert(view_.begin() + position, storeRow);
    buffer_.assign(fields_.size(), std::nullopt);
    cur_ = position;
    bof_ = eof_ = false;
    state_ = State::Insert;
    emit rowInserted(position);
    emit currentRowChanged(position);
    emit stateChanged(State::Insert);
    if (hooks.onNewRecord)
        hooks.onNewRecord(*this);
}

void Dataset::append() {
    requireWritable();
    checkBrowseMode();
    startNewRow(static_cast<int>(view_.size()));
}

void Dataset::insert() {
    requireWritable();
    checkBrowseMode();
    startNewRow(std::max(cur_, 0));
}

void Dataset::post() {
    requireActive();
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    if (hooks.beforePost)
        hooks.beforePost(*this);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].required && !buffer_[i])
            throw Exception(
                QStringLiteral("El campo %1 debe tener un valor.").arg(fields_[i].name));
    const auto storeRow = static_cast<std::size_t>(storeRowAt(cur_));
    unsigned char& status = status_[storeRow];
    if (state_ == State::Edit) {
        const std::vector<CellText> old = rows_[storeRow].unpack();
        if (old != buffer_) {
            if (!cached_) {
                writeNow(updateStatement(*connection_, writableTarget(), fields_, old, buffer_));
            } else if (status == Unchanged) {
                originals_[static_cast<int>(storeRow)] = std::move(rows_[storeRow]);
                status = Modified;
                changeOrder_.push_back(static_cast<int>(storeRow));
            }
            rows_[storeRow] = PackedRow::fromValues(buffer_);
        }
    } else {
        if (!cached_) {
            const UpdateTarget& t = writableTarget();
            writeNow(insertStatement(*connection_, t, fields_, buffer_));
            for (int k : t.keyColumns) {
                CellText& key = buffer_[static_cast<std::size_t>(k)];
                if (!key && fields_[static_cast<std::size_t>(k)].isAutoIncrement())
                    key = QByteArray::number(connection_->insertId());
            }
            status = Unchanged;
        } else {
            status = Inserted;
            changeOrder_.push_back(static_cast<int>(storeRow));
        }
        rows_[storeRow] = PackedRow::fromValues(buffer_);
    }
    buffer_.clear();
    lock_.release();
    setState(State::Browse);
    emit rowChanged(cur_);
    if (hooks.afterPost)
        hooks.afterPost(*this);
}

void Dataset::cancel() {
    if (state_ == State::Edit) {
        buffer_.clear();
        lock_.release();
        setState(State::Browse);
        emit rowChanged(cur_);
    } else if (state_ == State::Insert) {
        const int pos = cur_;
        const auto storeRow = static_cast<std::size_t>(storeRowAt(pos));
        emit rowAboutToBeRemoved(pos);
        view_.erase(view_.begin() + pos);
        status_[storeRow] = Gone;
        rows_[storeRow] = PackedRow();
        buffer_.clear();
        setState(State::Browse);
        emit rowRemoved(pos);
        cur_ = std::min(pos, static_cast<int>(view_.size()) - 1);
        bof_ = eof_ = view_.empty();
        emit currentRowChanged(cur_);
    }
}

void Dataset::deleteRecord() {
    requireWritable();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (view_.empty())
        throw Exception(QStringLiteral("No hay registros que eliminar."));
    if (hooks.beforeDelete)
        hooks.beforeDelete(*this);
    const int pos = cur_;
    const int storeRow = storeRowAt(pos);
    const auto i = static_cast<std::size_t>(storeRow);
    if (!cached_) {
        writeNow(deleteStatement(*connection_, writableTarget(), fields_, rows_[i].unpack()));
        status_[i] = Gone;
        rows_[i] = PackedRow();
    } else if (status_[i] == Inserted) {
        // Never reached the server: nothing to write.
        std::erase(changeOrder_, storeRow);
        status_[i] = Gone;
        rows_[i] = PackedRow();
    } else {
        if (status_[i] == Unchanged)
            changeOrder_.push_back(storeRow);
        status_[i] = Deleted;
    }
    emit rowAboutToBeRemoved(pos);
    view_.erase(view_.begin() + pos);
    emit rowRemoved(pos);
    cur_ = std::min(pos, static_cast<int>(view_.size()) - 1);
    bof_ = eof_ = view_.empty();
    emit currentRowChanged(cur_);
    if (hooks.afterDelete)
        hooks.afterDelete(*this);
}

void Dataset::setCachedUpdates(bool cached) {
    if (cached_ == cached)
        return;
    if (updatesPending())
        throw Exception(QStringLiteral("Hay cambios sin aplicar: aplíquelos o cancélelos antes."));
    cached_ = cached;
}

void Dataset::applyUpdates() {
    requireActive();
    checkBrowseMode();
    if (!updatesPending())
        return;
    const UpdateTarget& t = writableTarget();
    std::vector<std::pair<int, quint64>> newKeys;
    // One transaction: either every change reaches the server or none does. It opens and
    // closes within this call, so no other window's statement can fall inside it.
    connection_->execute(QByteArrayLiteral("START TRANSACTION"));
    try {
        for (int storeRow : changeOrder_) {
            const auto i = static_cast<std::size_t>(storeRow);
            auto original = originals_.find(storeRow);
            const PackedRow& before = original != originals_.end() ? original->second : rows_[i];
            switch (status_[i]) {
            case Inserted: {
                const std::vector<CellText> values = rows_[i].unpack();
                connection_->execute(insertStatement(*connection_, t, fields_, values));
                for (int k : t.keyColumns)
                    if (!values[static_cast<std::size_t>(k)] &&
                        fields_[static_cast<std::size_t>(k)].isAutoIncrement())
                        newKeys.emplace_back(storeRow, connection_->insertId());
                break;
            }
            case Modified:
                writeNow(
                    updateStatement(*connection_, t, fields_, before.unpack(), rows_[i].unpack()));
                break;
            case Deleted:
                connection_->execute(deleteStatement(*connection_, t, fields_, before.unpack()));
                break;
            default:
                break;
            }
        }
        connection_->execute(QByteArrayLiteral("COMMIT"));
    } catch (...) {
        try {
            connection_->execute(QByteArrayLiteral("ROLLBACK"));
        } catch (...) {
            // The link is gone; the server rolls back by itself.
        }
        throw;
    }
    for (int storeRow : changeOrder_) {
        const auto i = static_cast<std::size_t>(storeRow);
        if (status_[i] == Deleted) {
            status_[i] = Gone;
            rows_[i] = PackedRow();
        } else {
            status_[i] = Unchanged;
        }
    }
    originals_.clear();
    changeOrder_.clear();
    for (auto [storeRow, id] : newKeys) {
        std::vector<CellText> values = rows_[static_cast<std::size_t>(storeRow)].unpack();
        for (int k : t.keyColumns)
            if (fields_[static_cast<std::size_t>(k)].isAutoIncrement())
                values[static_cast<std::size_t>(k)] = QByteArray::number(id);
        rows_[static_cast<std::size_t>(storeRow)] = PackedRow::fromValues(values);
        auto it = std::find(view_.begin(), view_.end(), storeRow);
        if (it != view_.end())
            emit rowChanged(static_cast<int>(it - view_.begin()));
    }
}

void Dataset::cancelUpdates() {
    requireActive();
    cancel();
    if (!updatesPending())
        return;
    const std::optional<int> current = cur_ >= 0 ? std::optional(storeRowAt(cur_)) : std::nullopt;
    const int oldRow = cur_;
    for (int storeRow : changeOrder_) {
        const auto i = static_cast<std::size_t>(storeRow);
        if (status_[i] == Inserted) {
            status_[i] = Gone;
            rows_[i] = PackedRow();
            continue;
        }
        auto original = originals_.find(storeRow);
        if (original != originals_.end())
            rows_[i] = std::move(original->second);
        status_[i] = Unchanged;
    }
    originals_.clear();
    changeOrder_.clear();
    showRows(current, oldRow);
}

} // namespace orva::data

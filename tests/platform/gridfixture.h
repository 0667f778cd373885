#pragma once
// A small table of people shared by the grid tests.
#include <QDate>
#include <QStandardItemModel>
#include <QStringList>

namespace orva::platform::test {

/// Columns: SCodigo, SNombre, SAPaterno, Estado, IVigencia (int), Monto (double),
/// DFecha (date).
inline QStandardItemModel* peopleModel(QObject* parent = nullptr) {
    struct Person {
        const char* code;
        const char* name;
        const char* surname;
        const char* state;
        int year;
        double amount;
        QDate date;
    };
    const Person people[] = {
        {"P0001", "JOSÉ", "PÉREZ", "JALISCO", 2030, 100.5, QDate(1980, 5, 1)},
        {"P0002", "MARÍA", "LÓPEZ", "JALISCO", 2028, 200, QDate(1990, 12, 25)},
        {"P0003", "JUAN", "PEÑA", "COLIMA", 2031, 50.25, QDate(1975, 3, 5)},
        {"P0004", "ANA", "GARCÍA", "NAYARIT", 2029, 0, QDate(2000, 1, 31)},
        {"P0005", "JOSEFA", "RUIZ", "COLIMA", 2030, 1000, QDate(1985, 7, 15)},
    };
    auto* model = new QStandardItemModel(0, 7, parent);
    model->setHorizontalHeaderLabels(
        {"SCodigo", "SNombre", "SAPaterno", "Estado", "IVigencia", "Monto", "DFecha"});
    for (const Person& p : people) {
        QList<QStandardItem*> row;
        for (const QVariant& v :
             {QVariant(QString::fromUtf8(p.code)), QVariant(QString::fromUtf8(p.name)),
              QVariant(QString::fromUtf8(p.surname)), QVariant(QString::fromUtf8(p.state)),
              QVariant(p.year), QVariant(p.amount), QVariant(p.date)}) {
            auto* item = new QStandardItem;
            item->setData(v, Qt::EditRole);
            row << item;
        }
        model->appendRow(row);
    }
    return model;
}

} // namespace orva::platform::test

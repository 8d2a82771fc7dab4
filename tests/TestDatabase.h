#pragma once

#include "data/Recordset.h"
#include "data/clManejo.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace ledgora::test {

// A fresh database file in a temporary folder, and a connected data-access object on it.
class TestDatabase {
public:
    // The file exists, empty, as the host creates a new ledger's file.
    TestDatabase() : path_(dir_.filePath(QStringLiteral("ledgora.db"))) {
        QFile(path_).open(QIODevice::WriteOnly);
    }

    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    std::unique_ptr<clManejo> connect() const {
        auto manejo = std::make_unique<clManejo>();
        manejo->CadenaConexion(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;"
                           "Data Source=") +
            path_);
        manejo->Conectar();
        return manejo;
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

// Runs a command and gives what Ejecutar gives.
inline long execute(clManejo& manejo, const QString& sql) {
    manejo.Sql(sql);
    return manejo.Ejecutar();
}

// Runs a query and gives the record set.
inline Recordset query(clManejo& manejo, const QString& sql) {
    Recordset rs;
    manejo.Sql(sql);
    manejo.RsDesconectado(true);
    manejo.CrearRs(rs);
    return rs;
}

// The totals of an account's movements up to a date, as the listing loader asks for them.
inline QString totals(const QString& until, const QString& account = QStringLiteral("001")) {
    return QStringLiteral("SELECT SUM(MOVDLAAC) as TOTAAC,SUM(MOVDLADE) as TOTADE,SUM(MOVDLACR) "
                          "as TOTACR,SUM(MOVDLDEB) as TOTDEB FROM BANMOV WHERE "
                          "MOVDTALT<=datevalue('") +
           until + QStringLiteral("') AND CNTSTNRO = '") + account + u'\'';
}

} // namespace ledgora::test

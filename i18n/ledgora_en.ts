<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AppliedCounts</name>
    <message numerus="yes">
        <location filename="../src/reconcile/AppliedCounts.h" line="26"/>
        <source>%n casado</source>
        <translation>
            <numerusform>%n matched</numerusform>
            <numerusform>%n matched</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/reconcile/AppliedCounts.h" line="26"/>
        <source>%n casados</source>
        <translation>
            <numerusform>%n matched</numerusform>
            <numerusform>%n matched</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/reconcile/AppliedCounts.h" line="29"/>
        <source>%n nuevo</source>
        <translation>
            <numerusform>%n new</numerusform>
            <numerusform>%n new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/reconcile/AppliedCounts.h" line="29"/>
        <source>%n nuevos</source>
        <translation>
            <numerusform>%n new</numerusform>
            <numerusform>%n new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/reconcile/AppliedCounts.h" line="32"/>
        <source>%n ya importado</source>
        <translation>
            <numerusform>%n already imported</numerusform>
            <numerusform>%n already imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/reconcile/AppliedCounts.h" line="32"/>
        <source>%n ya importados</source>
        <translation>
            <numerusform>%n already imported</numerusform>
            <numerusform>%n already imported</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AuditEntry</name>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="24"/>
        <source>Cuenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="25"/>
        <source>Número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="26"/>
        <source>Fecha</source>
        <translation type="unfinished">Date</translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="27"/>
        <source>Concepto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="28"/>
        <location filename="../src/audit/AuditEntry.cpp" line="34"/>
        <source>Descripción</source>
        <translation type="unfinished">Description</translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="29"/>
        <source>A acreditar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="30"/>
        <source>A debitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="31"/>
        <source>Acreditado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="32"/>
        <source>Debitado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="33"/>
        <source>Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="35"/>
        <source>Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="96"/>
        <source>Alta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="98"/>
        <source>Baja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditEntry.cpp" line="99"/>
        <source>Modificación</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditRoutines</name>
    <message>
        <location filename="../src/auditscreen/AuditRoutines.cpp" line="33"/>
        <source>nº %1 del %2, %3, %4</source>
        <translation>no. %1 of %2, %3, %4</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/AuditRoutines.cpp" line="49"/>
        <source>¿Deshacer la baja del movimiento %1?</source>
        <translation>Undo the deletion of movement %1?</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/AuditRoutines.cpp" line="52"/>
        <source>¿Deshacer el alta del movimiento %1?</source>
        <translation>Undo the entry of movement %1?</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/AuditRoutines.cpp" line="54"/>
        <source>¿Deshacer la modificación del movimiento %1?</source>
        <translation>Undo the change of movement %1?</translation>
    </message>
</context>
<context>
    <name>AuditTrail</name>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="35"/>
        <source>El historial está roto en la fila %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="37"/>
        <source>El historial está íntegro: 1 fila sellada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="38"/>
        <source>El historial está íntegro: %1 filas selladas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="40"/>
        <source>Filas del final aún sin sellar, escritas por otro programa: %1; se sellarán con el próximo cambio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="86"/>
        <source>falta la fila, y su sello sigue ahí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="94"/>
        <source>no tiene sello, y las filas que le siguen sí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="100"/>
        <source>su sello no corresponde a su contenido ni a la fila anterior: la fila se cambió, o se quitó la anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/AuditTrail.cpp" line="116"/>
        <source>no se pudo escribir %1: %2</source>
        <translation type="unfinished">could not write %1: %2</translation>
    </message>
</context>
<context>
    <name>BackupSet</name>
    <message>
        <location filename="../src/data/BackupSet.cpp" line="98"/>
        <source>no se pudo crear la carpeta </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/BackupSet.cpp" line="111"/>
        <source>el libro %1 %2: no se tomó una copia, y las anteriores se conservan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/BackupSet.cpp" line="121"/>
        <source>queda poco espacio en el disco (%1 MB libres para un libro de %2 MB): no se tomó una copia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/BackupSet.cpp" line="133"/>
        <source>no se pudo tomar la copia: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BalanceChart</name>
    <message>
        <location filename="../src/controls/BalanceChart.cpp" line="139"/>
        <source>Sin datos</source>
        <translation>No data</translation>
    </message>
    <message>
        <location filename="../src/controls/BalanceChart.cpp" line="253"/>
        <source>Mínimo: %1 el %2</source>
        <translation>Lowest: %1 on %2</translation>
    </message>
</context>
<context>
    <name>BandedReport</name>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="169"/>
        <source>Guardar como PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="173"/>
        <source>Guardar como PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="179"/>
        <source>No se pudo guardar %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="192"/>
        <source>ya existe y no es un PDF; no se reemplaza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="206"/>
        <source>no se pudo empezar el PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Camt053Reader</name>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="88"/>
        <source>Elemento %1 %2 (línea %3): %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="136"/>
        <source>el XML se acaba antes de cerrar sus elementos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="137"/>
        <source>el XML está mal formado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="142"/>
        <source>Línea %1, columna %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="162"/>
        <source>el XML no es un extracto camt.053 (su raíz es «%1» del espacio de nombres «%2»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="215"/>
        <source>falta el importe (Amt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="219"/>
        <source>el importe no es un número exacto (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="226"/>
        <source>falta el indicador de abono o cargo (CdtDbtInd CRDT o DBIT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="237"/>
        <source>%1 no es una fecha (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="249"/>
        <source>la fecha del saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="265"/>
        <source>la fecha de asiento (BookgDt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="266"/>
        <source>la fecha valor (ValDt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="274"/>
        <source>falta la fecha (BookgDt o ValDt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="309"/>
        <source>falta la cuenta (Acct/Id)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="314"/>
        <source>el principio del periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="270"/>
        <location filename="../src/statements/Camt053Reader.cpp" line="315"/>
        <source>el final del periodo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvLayouts</name>
    <message>
        <location filename="../src/reconcile/CsvLayouts.cpp" line="51"/>
        <source>El archivo CSV no tiene un formato definido para la cuenta %1: defínalo una vez en la pantalla de conciliación (F9), que lo recuerda para los siguientes.</source>
        <translation>The CSV file has no layout defined for account %1: define it once on the reconciliation screen (F9), which remembers it for the next ones.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <location filename="../src/core/CsvReader.cpp" line="47"/>
        <source>unas comillas se abren y no se cierran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/CsvReader.cpp" line="49"/>
        <source>un registro pasa de 1 MB (¿unas comillas sin cerrar?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DatabaseCopy</name>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="35"/>
        <source>no se puede abrir %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="94"/>
        <source>no se pudo asegurar en el disco </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="98"/>
        <source>no se pudo reemplazar %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="123"/>
        <source>no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="125"/>
        <source>no tiene contenido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="127"/>
        <source>no es una base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="135"/>
        <source>tiene daños (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="137"/>
        <source>no tiene las tablas de un libro de Ledgora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="142"/>
        <source>sus tablas no son las de un libro de Ledgora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="157"/>
        <source>no hay una base de datos en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="199"/>
        <source>la copia %1 no sirve: %2; no se cambió nada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="250"/>
        <source>no se pudo crear la carpeta </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EngineErrors</name>
    <message>
        <location filename="../src/data/EngineErrors.h" line="48"/>
        <source>Este libro es de una versión anterior de Ledgora: ábralo una vez para trabajar con él, y se actualizará.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtensionIconProvider</name>
    <message>
        <location filename="../src/platform/ExtensionIconProvider.cpp" line="21"/>
        <source>Archivo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileErrorText</name>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="20"/>
        <location filename="../src/core/FileErrorText.cpp" line="56"/>
        <source>no queda espacio en el disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="23"/>
        <location filename="../src/core/FileErrorText.cpp" line="54"/>
        <source>no hay permiso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="25"/>
        <source>el disco es de sólo lectura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="27"/>
        <source>la carpeta o el archivo no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="29"/>
        <source>es una carpeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="40"/>
        <source>error %1 del sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="50"/>
        <source>no se pudo leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="52"/>
        <source>no se pudo abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FileErrorText.cpp" line="58"/>
        <source>no se pudo escribir</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForecastLine</name>
    <message>
        <location filename="../src/forecast/TreasuryForecast.cpp" line="35"/>
        <source> (periódico)</source>
        <translation> (recurring)</translation>
    </message>
    <message>
        <location filename="../src/forecast/TreasuryForecast.cpp" line="37"/>
        <source> (vencido el %1)</source>
        <translation> (due on %1)</translation>
    </message>
</context>
<context>
    <name>ForecastRows</name>
    <message>
        <location filename="../src/forecastscreen/ForecastRows.cpp" line="28"/>
        <source>Saldo realizado</source>
        <translation>Realised balance</translation>
    </message>
</context>
<context>
    <name>Host</name>
    <message>
        <location filename="../app/main.cpp" line="66"/>
        <source>el archivo no existe y no se puede crear ahí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="68"/>
        <source>no es un archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="71"/>
        <source>no se puede leer el archivo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="74"/>
        <source>el archivo no es una base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="76"/>
        <source>el archivo es de sólo lectura: se puede listar, no modificar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="93"/>
        <source>ledgora: un libro compartido en un servidor PostgreSQL se respalda y se restaura con las herramientas del servidor (pg_dump, pg_restore), no con Ledgora.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="164"/>
        <source>el componente no ofrece %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="450"/>
        <source>Ledgora: el libro de cuentas bancarias. Abre LIBRO, o su propia base de datos (%1) cuando no se indica ninguna.</source>
        <translation>Ledgora: the bank-account ledger. Opens LIBRO, or its own database (%1) when none is given.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="329"/>
        <source>Llena LIBRO (por omisión %1) con un libro de ejemplo cuando no tiene cuentas, y lo abre.</source>
        <translation>Fills LIBRO (by default %1) with an example ledger when it has no accounts, and opens it.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="337"/>
        <source>Con LIBRO CUENTA DESDE HASTA SALIDA.pdf [CONCEPTO [TEXTO]]: escribe el listado de la cuenta CUENTA desde DESDE hasta HASTA (dd/mm/aaaa), limitado al número de concepto CONCEPTO y a las descripciones que contienen TEXTO cuando se indican, en el archivo PDF SALIDA.pdf sin abrir ninguna ventana, como lo imprime Alt+P. Termina con 0 cuando lo escribe; si no, dice por qué en una línea y no deja ningún archivo.</source>
        <translation>With LIBRO CUENTA DESDE HASTA SALIDA.pdf [CONCEPTO [TEXTO]]: writes the listing of account CUENTA from DESDE to HASTA (dd/mm/yyyy), limited to concept number CONCEPTO and to descriptions containing TEXTO when given, to the PDF file SALIDA.pdf without opening any window, as Alt+P prints it. Exits with 0 when written; otherwise says why in one line and leaves no file.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="348"/>
        <source>Con LIBRO CUENTA DESDE HASTA SALIDA.csv [CONCEPTO [TEXTO]]: escribe los mismos movimientos que --listing en CSV (RFC 4180, UTF-8, una fila de encabezado; fechas aaaa-mm-dd, importes con punto y todos sus decimales).</source>
        <translation>With LIBRO CUENTA DESDE HASTA SALIDA.csv [CONCEPTO [TEXTO]]: writes the same movements as --listing as CSV (RFC 4180, UTF-8, one header row; dates yyyy-mm-dd, amounts with a point and all their decimals).</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="367"/>
        <source>Con ANTIGUO LIBRO: trae a LIBRO, que no debe tener cuentas todavía, las cuentas, los conceptos y los movimientos del archivo de Access del sistema anterior (leído con mdb-export, del paquete mdbtools) o de una carpeta con BANCNT.csv, BANCON.csv y BANMOV.csv. Dice lo que importó.</source>
        <translation>With ANTIGUO LIBRO: brings into LIBRO, which must have no accounts yet, the accounts, concepts and movements of the former system&apos;s Access file (read with mdb-export, from the mdbtools package) or of a folder with BANCNT.csv, BANCON.csv and BANMOV.csv. Says what it imported.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="376"/>
        <source>Con COPIA LIBRO: después de preguntar, comprueba la copia y pone su contenido en LIBRO, guardando lo que reemplaza. Cada inicio que encuentra la base de datos cambiada toma una copia en la carpeta &quot;backups&quot; junto a ella (las 10 últimas, y una por semana de las 8 semanas anteriores).</source>
        <translation>With COPIA LIBRO: after asking, checks the copy and puts its content in LIBRO, keeping what it replaces. Each start that finds the database changed takes a copy in the &quot;backups&quot; folder beside it (the last 10, and one a week for the 8 weeks before).</translation>
    </message>
    <message>
        <source>Con ARCHIVO LIBRO [CUENTA]: aplica al libro el extracto bancario ARCHIVO (Norma 43 o camt.053). Cada línea del banco realiza, como F12, el movimiento pendiente de su lado y su importe exacto (dentro de 4 días) que su texto señala (la misma factura o referencia, el nombre), o se ingresa como un movimiento nuevo realizado; las líneas ya aplicadas se saltan y las dudosas quedan para la pantalla de conciliación. Una cuenta del banco vista por primera vez va a CUENTA y se recuerda. Todo en una transacción; escribe un resumen por cuenta. Termina con 1, sin escribir nada, cuando se rechaza el archivo o una cuenta.</source>
        <translation type="vanished">With ARCHIVO LIBRO [CUENTA]: applies the bank statement ARCHIVO (Norma 43 or camt.053) to the ledger. Each bank line realises, as F12 does, the pending movement of its side and exact amount (within 4 days) that its text points to (the same invoice or reference, the name), or is entered as a new realised movement; lines already applied are skipped and doubtful ones are left for the reconciliation screen. A bank account seen for the first time goes to CUENTA and is remembered. All in one transaction; writes a summary per account. Exits with 1, writing nothing, when the file or an account is refused.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="408"/>
        <source>Con LIBRO: comprueba el sello de cada fila del historial de cambios, encadenado al de la fila anterior, y dice si está íntegro o en qué fila se rompe y por qué. Termina con 0 cuando está íntegro y con 1 cuando no. Solo lee.</source>
        <translation>With LIBRO: checks the seal of each row of the change history, chained to the previous row&apos;s, and says whether it is intact or at which row it breaks and why. Exits with 0 when intact and 1 when not. Only reads.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="416"/>
        <source>Con LIBRO [CUENTA] SALIDA.csv: escribe en CSV el historial de cambios de la cuenta CUENTA, o de todo el libro: cuándo (UTC), quién, con qué programa y rutina, qué fila y sus valores antes y después. Solo lee.</source>
        <translation>With LIBRO [CUENTA] SALIDA.csv: writes as CSV the change history of account CUENTA, or of the whole ledger: when (UTC), who, with which program and routine, which row and its values before and after. Only reads.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="206"/>
        <source>ledgora: --%1 necesita LIBRO CUENTA DESDE HASTA SALIDA [CONCEPTO [TEXTO]]
</source>
        <translation>ledgora: --%1 needs LIBRO CUENTA DESDE HASTA SALIDA [CONCEPTO [TEXTO]]
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="218"/>
        <source>ledgora: --import necesita ANTIGUO LIBRO
</source>
        <translation>ledgora: --import needs ANTIGUO LIBRO
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="236"/>
        <source>ledgora: --restore necesita COPIA LIBRO
</source>
        <translation>ledgora: --restore needs COPIA LIBRO
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="261"/>
        <source>ledgora: --statement necesita ARCHIVO LIBRO [CUENTA]
</source>
        <translation>ledgora: --statement needs ARCHIVO LIBRO [CUENTA]
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="276"/>
        <source>ledgora: --verify necesita LIBRO
</source>
        <translation>ledgora: --verify needs LIBRO
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="289"/>
        <source>ledgora: --history necesita LIBRO [CUENTA] SALIDA.csv
</source>
        <translation>ledgora: --history needs LIBRO [CUENTA] SALIDA.csv
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="555"/>
        <source>ledgora: no se encontró una pantalla; ejecútelo en un escritorio, o sin pantalla con: xvfb-run -a %1 [LIBRO]
</source>
        <translation>ledgora: no display was found; run it on a desktop, or without a display with: xvfb-run -a %1 [LIBRO]
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="324"/>
        <source>Muestra esta ayuda y termina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="403"/>
        <source>Con --statement: escribe lo que haría, y no escribe nada en el libro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="424"/>
        <source>Carga el componente como lo haría un inicio, escribe el archivo del que lo cargó y termina con 0 cuando ofrece Ledgora.clMain; comprueba una instalación sin abrir ninguna ventana ni base de datos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="465"/>
        <source>El archivo de la base de datos (se crea cuando es nuevo), o la dirección postgresql:// de un libro compartido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="194"/>
        <location filename="../app/main.cpp" line="539"/>
        <source>ledgora: el componente no ofrece Ledgora.clMain
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="129"/>
        <source>no se puede cargar el componente de Ledgora: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="143"/>
        <source>%1 no tiene %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="197"/>
        <source>ledgora: componente %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="228"/>
        <source>ledgora: %1 en %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="229"/>
        <location filename="../app/main.cpp" line="499"/>
        <source>el libro compartido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="241"/>
        <location filename="../app/main.cpp" line="249"/>
        <source>No se restauró nada.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="245"/>
        <source>Se reemplazará el contenido de %1 por la copia %2.
¿Continuar? (s/N) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="255"/>
        <source>Copia restaurada.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="301"/>
        <source>ledgora: --forecast necesita LIBRO [CUENTA] DIAS SALIDA.pdf|SALIDA.csv
</source>
        <translation>ledgora: --forecast needs LEDGER [ACCOUNT] DAYS OUTPUT.pdf|OUTPUT.csv
</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="356"/>
        <source>Con LIBRO [CUENTA] DIAS SALIDA.pdf|SALIDA.csv: escribe la previsión de tesorería de la cuenta CUENTA, o de todas las cuentas juntas, para los DIAS siguientes a hoy: desde el saldo realizado, los movimientos pendientes por su fecha (los vencidos, hoy) y los movimientos periódicos que aún no se ingresaron. En PDF, como la imprime su pantalla (F5), con el gráfico del saldo; en CSV, una fila por movimiento con el saldo después de él. Solo lee.</source>
        <translation>With LEDGER [ACCOUNT] DAYS OUTPUT.pdf|OUTPUT.csv: writes the cash forecast of the account ACCOUNT, or of every account together, for the DAYS after today: from the realised balance, the pending movements by their dates (overdue ones, today) and the recurring movements not yet entered. As a PDF, as its screen (F5) prints it, with the balance chart; as CSV, one row per movement with the balance after it. Only reads.</translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="385"/>
        <source>Con ARCHIVO LIBRO [CUENTA]: aplica al libro el extracto bancario ARCHIVO (Norma 43, camt.053, OFX, MT940, o CSV con un formato ya definido para CUENTA en la pantalla de conciliación). Cada línea del banco realiza, como F12, el movimiento pendiente de su lado y su importe exacto (dentro de 4 días) que su texto señala (la misma factura o referencia, el nombre), o se ingresa como un movimiento nuevo realizado; las líneas ya aplicadas se saltan y las dudosas quedan para la pantalla de conciliación. Una cuenta del banco vista por primera vez va a CUENTA y se recuerda. Todo en una transacción; escribe un resumen por cuenta. Termina con 1, sin escribir nada, cuando se rechaza el archivo o una cuenta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="482"/>
        <source>Su base de datos todavía está vacía.
¿Desea ver primero un libro de ejemplo, con cuentas y un año de movimientos?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="484"/>
        <source>Sí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="485"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="501"/>
        <source>ledgora: libro de ejemplo escrito en %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/main.cpp" line="544"/>
        <source>ledgora: Ledgora.clMain no tiene Show
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegacyTable</name>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="22"/>
        <source>para leer un archivo de Access hace falta mdb-export (paquete mdbtools de Debian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="43"/>
        <source>mdbtools no puede leer %1 como archivo de Access: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="65"/>
        <source>no se puede leer %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="82"/>
        <source>está vacío: falta el encabezado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="90"/>
        <source>la columna %1 no es de la tabla %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="93"/>
        <source>la columna %1 está repetida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="103"/>
        <source>faltan columnas en el encabezado: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="129"/>
        <source>tiene %1 campos y el encabezado %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="161"/>
        <source>no es un número de dígitos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="170"/>
        <source>no es un número entero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="175"/>
        <location filename="../src/entry/LegacyTable.cpp" line="191"/>
        <source>está fuera de rango</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="186"/>
        <source>no es un importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="195"/>
        <source>tiene más de cuatro decimales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="206"/>
        <source>falta la fecha %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/LegacyTable.cpp" line="212"/>
        <source>no es una fecha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListedMovement</name>
    <message>
        <location filename="../src/ledger/ListedMovement.cpp" line="40"/>
        <source>Otra persona modificó o eliminó este movimiento después de que se listara; no se cambió nada. Vuelva a cargar el listado (F6).</source>
        <translation>Another person changed or deleted this movement after it was listed; nothing was changed. Reload the listing (F6).</translation>
    </message>
</context>
<context>
    <name>MovementBin</name>
    <message>
        <location filename="../src/audit/MovementBin.cpp" line="27"/>
        <source>Otra persona ya ha recuperado ese cambio: no se ha hecho nada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/MovementBin.cpp" line="52"/>
        <source>Movimiento recuperado con el nº %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mt940Reader</name>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="76"/>
        <source>Línea %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="118"/>
        <source>el archivo no tiene ningún extracto MT940 (:20:)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="168"/>
        <source>el campo :%1: va antes del :20: que empieza el extracto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="185"/>
        <source>el extracto no tiene cuenta (:25:)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="187"/>
        <source>el extracto no tiene saldo inicial (:60F:)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="189"/>
        <source>el extracto no tiene saldo final (:62F:)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="217"/>
        <source>%1 no empieza por C (acreedor) o D (deudor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="219"/>
        <source>la fecha del saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="222"/>
        <source>la divisa del saldo no es un código de tres letras (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="231"/>
        <source>el extracto tiene un segundo saldo inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="232"/>
        <source>el saldo inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="242"/>
        <source>el saldo final (:%1:) solo puede ir una vez, después del inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="243"/>
        <source>el saldo final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="245"/>
        <source>el saldo final está en %1 y el inicial en %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="251"/>
        <source>el saldo final no cuadra con el inicial más los abonos menos los cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="256"/>
        <source>un movimiento (:61:) solo puede ir entre el saldo inicial y el final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="260"/>
        <source>la fecha valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="272"/>
        <source>la fecha de asiento no es una fecha (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="281"/>
        <source>la marca de abono o cargo no es C, D, RC ni RD (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="296"/>
        <source>el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="298"/>
        <source>falta el código de tipo del movimiento tras el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="358"/>
        <source>%1 no es un número (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Mt940Reader.cpp" line="370"/>
        <source>%1 no es una fecha (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Norma43Reader</name>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="136"/>
        <source>Línea %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="190"/>
        <source>la línea pasa de 80 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="192"/>
        <source>hay registros después del registro 88 de final de archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="202"/>
        <source>el registro 00 de cabecera solo puede ir al principio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="223"/>
        <source>el tipo de registro «%1» no es de Norma 43</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="227"/>
        <source>la última cuenta no tiene registro 33 de final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="230"/>
        <source>falta el registro 88 de final de archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="237"/>
        <source>%1 no es un número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="244"/>
        <source>el signo no es 1 (cargo) ni 2 (abono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="259"/>
        <source>%1 no es una fecha (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="295"/>
        <source>la cuenta anterior no tiene registro 33 de final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="301"/>
        <source>la fecha inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="302"/>
        <source>la fecha final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="303"/>
        <source>el saldo inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="320"/>
        <source>un movimiento (registro 22) fuera de una cuenta (registros 11 a 33)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="323"/>
        <source>la fecha de operación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="324"/>
        <source>la fecha de valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="328"/>
        <source>el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="350"/>
        <source>un registro 23 de concepto complementario solo puede seguir a un 22, y cinco como mucho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="362"/>
        <source>un registro 24 de equivalencia de divisa solo puede seguir a un 22, y uno solo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="366"/>
        <source>el importe equivalente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="371"/>
        <source>un registro 33 de final de cuenta sin su registro 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="375"/>
        <source>el registro 33 es de otra cuenta que su registro 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="376"/>
        <source>el número de cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="377"/>
        <source>el total de cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="378"/>
        <source>el número de abonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="379"/>
        <source>el total de abonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="380"/>
        <source>el saldo final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="384"/>
        <source>la divisa del registro 33 no es la de su registro 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="396"/>
        <source>el registro 33 cuenta %1 cargos y %2 abonos, y la cuenta tiene %3 y %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="403"/>
        <source>los totales de cargos y abonos del registro 33 no son la suma de sus movimientos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="407"/>
        <source>el saldo final no cuadra con el inicial más los abonos menos los cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="439"/>
        <source>la cuenta no tiene registro 33 de final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="441"/>
        <source>el número de registros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="443"/>
        <source>el registro 88 cuenta %1 registros y el archivo tiene %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="49"/>
        <location filename="../src/statements/OfxTokenizer.cpp" line="129"/>
        <source>Línea %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="86"/>
        <source>el archivo no tiene ningún elemento OFX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="92"/>
        <source>hay elementos después de &lt;/OFX&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="94"/>
        <source>el archivo no empieza por &lt;OFX&gt; sino por &lt;%1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="126"/>
        <source>el archivo OFX no tiene ningún extracto de cuenta (STMTRS) ni de tarjeta (CCSTMTRS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="138"/>
        <source>la cabecera OFX no es de líneas CLAVE:VALOR («%1»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="158"/>
        <source>%1 no es un número (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="174"/>
        <source>%1 no es una fecha (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="183"/>
        <source>el movimiento no tiene importe (TRNAMT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="185"/>
        <source>el movimiento no tiene fecha (DTPOSTED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="186"/>
        <source>el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="217"/>
        <source>el extracto no tiene cuenta (%1ACCTID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxReader.cpp" line="231"/>
        <source>el saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="67"/>
        <source>hay texto fuera de los elementos («%1»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="88"/>
        <source>la etiqueta «%1» no se cierra con «&gt;»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="124"/>
        <source>&lt;%1&gt; no tiene su cierre &lt;/%1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="140"/>
        <source>falta «%1» al final de «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="151"/>
        <source>«&lt;%1&gt;» no es una etiqueta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="160"/>
        <source>&lt;/%1&gt; no cierra ningún elemento abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/OfxTokenizer.cpp" line="161"/>
        <source>&lt;/%1&gt; llega antes del cierre de &lt;%2&gt;, abierto en la línea %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PgEngine</name>
    <message>
        <location filename="../src/data/PgEngine.cpp" line="76"/>
        <source>se perdió la conexión con el servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/PgEngine.cpp" line="149"/>
        <source>no queda memoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/PgEngine.cpp" line="176"/>
        <source>no hay un libro en %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/PgEngine.cpp" line="233"/>
        <source>la tabla %1 es de otro programa: le falta la columna %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/PgEngine.cpp" line="237"/>
        <source>la tabla %1 es de otro programa: su columna %2 es %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reconciler</name>
    <message>
        <location filename="../src/reconcile/Reconciler.cpp" line="402"/>
        <source>el extracto %1 está en %2 y la cuenta %3, en %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteEngine</name>
    <message>
        <location filename="../src/data/SqliteEngine.cpp" line="270"/>
        <source>el archivo está ocupado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteEngine.cpp" line="282"/>
        <source>no se pudo escribir la nueva estructura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteEngine.cpp" line="550"/>
        <source>No se pudo volver a abrir %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteEngine.cpp" line="587"/>
        <source>ledgora: %1 está ocupado por otro programa: %2 no pudo esperar más
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteReason</name>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="12"/>
        <source>no se puede abrir el archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="15"/>
        <source>no es una base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="18"/>
        <source>la base de datos tiene daños</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="21"/>
        <source>no queda espacio en el disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="24"/>
        <source>falló la lectura o la escritura en el disco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="27"/>
        <source>es de sólo lectura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="31"/>
        <source>está ocupada por otro programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="35"/>
        <source>no hay permiso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="38"/>
        <source>no queda memoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="41"/>
        <source>los datos no cumplen una regla de la tabla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/SqliteReason.cpp" line="45"/>
        <source>error %1 de SQLite (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatementChoice</name>
    <message>
        <location filename="../src/mainscreen/StatementChoice.cpp" line="30"/>
        <source>¿A qué cuenta pertenece el extracto %1?</source>
        <translation>Which account does statement %1 belong to?</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/StatementChoice.cpp" line="44"/>
        <source>El extracto %1 queda vinculado con la cuenta %2. Selecciónela para conciliarlo.</source>
        <translation>Statement %1 is now linked to account %2. Choose that account to reconcile it.</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/StatementChoice.cpp" line="126"/>
        <source>%1: no se aplica nada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainscreen/StatementChoice.cpp" line="131"/>
        <source>El archivo no tiene ningún extracto de la cuenta %1.</source>
        <translation>The file holds no statement of account %1.</translation>
    </message>
</context>
<context>
    <name>StatementReader</name>
    <message>
        <location filename="../src/statements/ReadOrRefuse.h" line="23"/>
        <source>los importes suman más de lo que cabe (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/mainscreen/StatementChoice.cpp" line="61"/>
        <location filename="../src/statements/StatementReader.cpp" line="60"/>
        <source>No se puede abrir el extracto %1: %2.</source>
        <translation>Cannot open the statement %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/statements/StatementReader.cpp" line="93"/>
        <source>El archivo no es un extracto Norma 43, camt.053, OFX ni MT940.</source>
        <translation>The file is not a Norma 43, camt.053, OFX or MT940 statement.</translation>
    </message>
</context>
<context>
    <name>UndoLast</name>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="49"/>
        <source>No hay ningún cambio suyo en los movimientos de esta cuenta que deshacer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="57"/>
        <source>Su último cambio ya no es el que se le mostró: no se ha deshecho nada.</source>
        <translation>Your last change is no longer the one you were shown: nothing was undone.</translation>
    </message>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="74"/>
        <source>Otra persona ha cambiado el movimiento nº %1 después que usted: no se ha deshecho nada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="81"/>
        <source>El movimiento nº %1 ya no está como lo dejó su último cambio: no se ha deshecho nada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="89"/>
        <source>Deshecha el alta del movimiento nº %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="93"/>
        <source>Deshecho el borrado: el movimiento vuelve con el nº %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/audit/UndoLast.cpp" line="96"/>
        <source>Deshecha la modificación del movimiento nº %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clDemo</name>
    <message>
        <location filename="../src/entry/clDemo.cpp" line="114"/>
        <source>no se pudo escribir el ejemplo: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clDemo.cpp" line="130"/>
        <source>no se puede abrir la base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clDemo.cpp" line="133"/>
        <source>la base de datos ya tiene cuentas; se abre tal como está</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clImportar</name>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="49"/>
        <source>no se puede abrir la base de datos </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="53"/>
        <source>la base de datos ya tiene cuentas: no se importó nada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="100"/>
        <source>la cuenta &quot;%1&quot; no está en BANCNT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="104"/>
        <source>el concepto &quot;%1&quot; no está en BANCON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="125"/>
        <source>no hay nada que importar en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="152"/>
        <source>se importaron %1, %2 y %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="153"/>
        <source>%n cuenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="154"/>
        <source>%n cuentas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="155"/>
        <source>%n concepto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="156"/>
        <source>%n conceptos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="157"/>
        <source>%n movimiento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="158"/>
        <source>%n movimientos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clRespaldo</name>
    <message>
        <location filename="../src/entry/clRespaldo.cpp" line="27"/>
        <source>un libro compartido en un servidor se respalda con las herramientas del servidor (pg_dump)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clRespaldo.cpp" line="46"/>
        <source>Copia de seguridad: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::BalanceChartView</name>
    <message>
        <location filename="../src/controls/BalanceChartView.cpp" line="16"/>
        <source>Gráfico sin datos</source>
        <translation>Chart without data</translation>
    </message>
    <message>
        <location filename="../src/controls/BalanceChartView.cpp" line="18"/>
        <source>ningún día bajo cero</source>
        <translation>no day below zero</translation>
    </message>
    <message>
        <location filename="../src/controls/BalanceChartView.cpp" line="19"/>
        <source>un día bajo cero</source>
        <translation>one day below zero</translation>
    </message>
    <message>
        <location filename="../src/controls/BalanceChartView.cpp" line="20"/>
        <source>%1 días bajo cero</source>
        <translation>%1 days below zero</translation>
    </message>
    <message>
        <location filename="../src/controls/BalanceChartView.cpp" line="21"/>
        <source>Del %1 al %2: mínimo %3 el %4; %5.</source>
        <translation>From %1 to %2: lowest %3 on %4; %5.</translation>
    </message>
</context>
<context>
    <name>ledgora::CsvParser</name>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="28"/>
        <source>el formato no dice en qué columnas están la fecha y el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="53"/>
        <source>la fila no tiene una fecha %1 en la columna %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="64"/>
        <source>no hay ningún movimiento con fecha después de las %1 filas de títulos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="79"/>
        <source>Línea %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="97"/>
        <source>«%1» no es un importe (columna %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="108"/>
        <source>«%1» no es una fecha %2 (columna %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="139"/>
        <source>falta el saldo (columna %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/CsvStatementReader.cpp" line="151"/>
        <source>el saldo %1 no es el anterior, %2, más el importe, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::ForecastReport</name>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="27"/>
        <source>Saldo más bajo: %1 el %2</source>
        <translation>Lowest balance: %1 on %2</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="34"/>
        <source>Ningún día con saldo negativo</source>
        <translation>No day with a negative balance</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="40"/>
        <source>el %1</source>
        <translation>on %1</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="41"/>
        <source>del %1 al %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="46"/>
        <source>Días con saldo negativo: %1 (%2)</source>
        <translation>Days with a negative balance: %1 (%2)</translation>
    </message>
    <message>
        <source>Días con saldo negativo: %1, del %2 al %3</source>
        <translation type="vanished">Days with a negative balance: %1, from %2 to %3</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="69"/>
        <source>Del %1 al %2, desde el saldo realizado de hoy</source>
        <translation>From %1 to %2, from today&apos;s realised balance</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/ForecastReport.cpp" line="101"/>
        <source>Previsión de tesorería</source>
        <translation>Cash forecast</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmABMConceptos</name>
    <message>
        <location filename="../src/screens/FrmABMConceptos.cpp" line="77"/>
        <source>Conceptos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/screens/FrmABMConceptos.cpp" line="373"/>
        <source>No se agregó ningún concepto.</source>
        <translation>No concept was added.</translation>
    </message>
    <message>
        <location filename="../src/screens/FrmABMConceptos.cpp" line="392"/>
        <source>No se modificó ningún concepto.</source>
        <translation>No concept was changed.</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmABMCuentas</name>
    <message>
        <location filename="../src/screens/FrmABMCuentas.cpp" line="80"/>
        <source>Cuentas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::FrmBNKMain</name>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="120"/>
        <source>Conciliar [F9]</source>
        <translation>Reconcile [F9]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="124"/>
        <source>Movimientos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Papelera</source>
        <translation type="vanished">Recycle bin</translation>
    </message>
    <message>
        <source>Historial</source>
        <translation type="vanished">History</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="187"/>
        <source>Papelera [F8]</source>
        <translation>Recycle bin [F8]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="189"/>
        <source>Historial [F11]</source>
        <translation>History [F11]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="190"/>
        <source>Deshacer [Ctrl+Z]</source>
        <translation>Undo [Ctrl+Z]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="192"/>
        <source>Movimientos periódicos [F7]</source>
        <translation>Recurring movements [F7]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="193"/>
        <source>Previsión de tesorería [F5]</source>
        <translation>Cash forecast [F5]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="194"/>
        <source>Gráfico del saldo [F4]</source>
        <translation>Balance chart [F4]</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="221"/>
        <source>Saldo final del extracto del banco al %1</source>
        <translation>The bank statement&apos;s closing balance on %1</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="247"/>
        <source>Extracto: %1</source>
        <translation>Statement: %1</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="248"/>
        <source>Diferencia: %1</source>
        <translation>Difference: %1</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="250"/>
        <source>Saldo realizado de la cuenta al %1 menos el saldo final del extracto</source>
        <translation>The account&apos;s realised balance on %1 less the statement&apos;s closing balance</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="299"/>
        <source>Extracto del banco (Norma 43, camt.053, OFX, MT940 o CSV)</source>
        <translation>Bank statement (Norma 43, camt.053, OFX, MT940 or CSV)</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="300"/>
        <source>Extractos (*.n43 *.q43 *.aeb *.txt *.xml *.053 *.ofx *.qfx *.sta *.940 *.mt940 *.csv)</source>
        <translation>Statements (*.n43 *.q43 *.aeb *.txt *.xml *.053 *.ofx *.qfx *.sta *.940 *.mt940 *.csv)</translation>
    </message>
    <message>
        <source>Extracto del banco (Norma 43 o camt.053)</source>
        <translation type="vanished">Bank statement (Norma 43 or camt.053)</translation>
    </message>
    <message>
        <source>Extractos (*.n43 *.q43 *.aeb *.txt *.xml *.053)</source>
        <translation type="vanished">Statements (*.n43 *.q43 *.aeb *.txt *.xml *.053)</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="302"/>
        <source>Todos los archivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="391"/>
        <source>El libro se ha reemplazado por una copia restaurada: se vuelve a abrir y se carga de nuevo.</source>
        <translation>The ledger was replaced by a restored copy: it is opened again and reloaded.</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmConceptos</name>
    <message>
        <location filename="../src/screens/FrmConceptos.cpp" line="80"/>
        <source>Número de concepto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/screens/FrmConceptos.cpp" line="332"/>
        <source>Otra persona grabó un movimiento con el número %1 en esta cuenta. El suyo no se grabó: presione Agregar de nuevo para grabarlo con el número siguiente.</source>
        <translation>Another person saved a movement with number %1 in this account. Yours was not saved: press Agregar again to save it with the next number.</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmConciliacion</name>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="49"/>
        <source>Casar con nº %1</source>
        <translation>Match with no. %1</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="50"/>
        <source>Casar con nº %1 (%2 de %3)</source>
        <translation>Match with no. %1 (%2 of %3)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="56"/>
        <source>Nuevo movimiento</source>
        <translation>New movement</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="58"/>
        <source>Ya importado</source>
        <translation>Already imported</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="61"/>
        <source>Revisar anulación (%1 candidatos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="63"/>
        <source>Revisar (%1 candidatos)</source>
        <translation>Review (%1 candidates)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="68"/>
        <source>Otra moneda</source>
        <translation>Other currency</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="69"/>
        <source>No contabilizado</source>
        <translation>Not booked</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="76"/>
        <source>nº %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="81"/>
        <source>Casado por %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="89"/>
        <source>En duda: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="90"/>
        <source>Descartados: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="113"/>
        <source> (supuesta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="162"/>
        <source>CONCILIACIÓN CON EL EXTRACTO DEL BANCO</source>
        <translation>RECONCILIATION WITH THE BANK STATEMENT</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="169"/>
        <source>Líneas del extracto</source>
        <translation>Statement lines</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="174"/>
        <source>FECHA</source>
        <translation>DATE</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="174"/>
        <source>DESCRIPCIÓN</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="174"/>
        <source>IMPORTE</source>
        <translation>AMOUNT</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="174"/>
        <source>TIPO</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="175"/>
        <source>ACCIÓN</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="175"/>
        <source>MOVIMIENTO</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="175"/>
        <source>ACEPTADA</source>
        <translation>ACCEPTED</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="191"/>
        <source>Aplicar [F10]</source>
        <translation>Apply [F10]</translation>
    </message>
    <message>
        <source>ENTER [Aceptar] - ESPACIO [Marcar o Desmarcar] - F5 [Otro candidato] - F4 [Concepto] - F7 [Cambiar cuenta] - F10 [Aplicar] - ESC [Salir]</source>
        <translation type="vanished">ENTER [Accept] - SPACE [Mark or Unmark] - F5 [Next candidate] - F4 [Concept] - F7 [Change account] - F10 [Apply] - ESC [Leave]</translation>
    </message>
    <message>
        <source>ENTER [Aceptar] - ESPACIO [Marcar o Desmarcar] - F5 [Otro candidato] - F4 [Concepto] - F10 [Aplicar] - ESC [Salir]</source>
        <translation type="vanished">ENTER [Accept] - SPACE [Mark or Unmark] - F5 [Next candidate] - F4 [Concept] - F10 [Apply] - ESC [Leave]</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="228"/>
        <source>Extracto %1 - Cuenta %2</source>
        <translation>Statement %1 - Account %2</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="230"/>
        <source> - Saldo final %1 al %2</source>
        <translation> - Closing balance %1 on %2</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="103"/>
        <source>Sin concepto (F4)</source>
        <translation>No concept (F4)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="134"/>
        <source>nº %1</source>
        <translation>no. %1</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="120"/>
        <source>Abono</source>
        <translation>Credit</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="121"/>
        <source>Cargo</source>
        <translation>Debit</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="199"/>
        <source>ENTER [Aceptar] - ESPACIO [Marcar o Desmarcar] - F5 [Otro candidato] - F4 [Concepto] - F7 [Cambiar cuenta] - F3 [Ventana] - F10 [Aplicar] - ESC [Salir]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="235"/>
        <source> - Ventana: %1 días, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="237"/>
        <source>fecha valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="238"/>
        <source>fecha de operación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="282"/>
        <source>Aceptadas: %1 de %2</source>
        <translation>Accepted: %1 of %2</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="311"/>
        <source>¿A qué cuenta pertenece el extracto %1?</source>
        <translation>Which account does statement %1 belong to?</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="319"/>
        <source>Las líneas del extracto %1 ya se aplicaron a la cuenta %2: no se puede vincular con otra cuenta.</source>
        <translation>The lines of statement %1 were already applied to account %2: it cannot be linked to another account.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="327"/>
        <source>El extracto %1 queda vinculado con la cuenta %2. Selecciónela para conciliarlo.</source>
        <translation>Statement %1 is now linked to account %2. Select that account to reconcile it.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="370"/>
        <source>El movimiento nº %1 ya está aceptado para otra línea del extracto.</source>
        <translation>Movement no. %1 is already accepted for another line of the statement.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="417"/>
        <source>No hay conceptos de CREDITO.</source>
        <translation>There are no CREDIT concepts.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="417"/>
        <source>No hay conceptos de DEBITO.</source>
        <translation>There are no DEBIT concepts.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="422"/>
        <source>Concepto del nuevo movimiento:</source>
        <translation>Concept of the new movement:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="451"/>
        <source>No hay ninguna línea aceptada para aplicar.</source>
        <translation>No line is accepted to apply.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="466"/>
        <source>Conciliación aplicada: %1, %2 sin aplicar.</source>
        <translation>Reconciliation applied: %1, %2 not applied.</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="488"/>
        <source>¿Vuelve a cotejar el extracto? Se pierden los cambios hechos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="495"/>
        <source>1 día</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="495"/>
        <source>%1 días</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="497"/>
        <source>Días que pueden separar la fecha del banco de la del movimiento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="503"/>
        <source>Fecha del banco con la que se coteja:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="504"/>
        <source>Fecha valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="504"/>
        <source>Fecha de operación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmConciliacion.cpp" line="526"/>
        <source>¿Sale sin aplicar? Se pierden los cambios hechos.</source>
        <translation>Leave without applying? The changes made are lost.</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmFormatoCsv</name>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="50"/>
        <source>Fecha de operación:</source>
        <translation>Operation date:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="52"/>
        <source>Fecha valor:</source>
        <translation>Value date:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="54"/>
        <source>Descripción:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="56"/>
        <source>Referencia:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="58"/>
        <source>Importe:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="59"/>
        <source>Debe:</source>
        <translation>Debit:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="60"/>
        <source>Haber:</source>
        <translation>Credit:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="61"/>
        <source>Saldo:</source>
        <translation>Balance:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="86"/>
        <source>¿%1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="181"/>
        <source>FORMATO DEL ARCHIVO CSV</source>
        <translation>CSV FILE LAYOUT</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="195"/>
        <source>Formato</source>
        <translation>Layout</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="198"/>
        <source>; (punto y coma)</source>
        <translation>; (semicolon)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="199"/>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="203"/>
        <source>, (coma)</source>
        <translation>, (comma)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="200"/>
        <source>TAB (tabulador)</source>
        <translation>TAB (tab)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="201"/>
        <source>| (barra)</source>
        <translation>| (bar)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="204"/>
        <source>. (punto)</source>
        <translation>. (point)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="217"/>
        <source>Separador:</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="218"/>
        <source>Decimales:</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="219"/>
        <source>Formato de fecha:</source>
        <translation>Date format:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="220"/>
        <source>Filas antes del primer movimiento:</source>
        <translation>Rows before the first movement:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="221"/>
        <source>Codificación:</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="225"/>
        <source>Columnas del archivo</source>
        <translation>The file's columns</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="232"/>
        <source>Aceptar</source>
        <translation>Accept</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="247"/>
        <source>Primeros movimientos como se leen</source>
        <translation>First movements as they are read</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="249"/>
        <source>FECHA</source>
        <translation>DATE</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="249"/>
        <source>F. VALOR</source>
        <translation>VALUE DATE</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="249"/>
        <source>DESCRIPCIÓN</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="250"/>
        <source>REFERENCIA</source>
        <translation>REFERENCE</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="250"/>
        <source>IMPORTE</source>
        <translation>AMOUNT</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="250"/>
        <source>SALDO</source>
        <translation>BALANCE</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="260"/>
        <source>ENTER [Siguiente] - ESC [Salir]</source>
        <translation>ENTER [Next] - ESC [Leave]</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="302"/>
        <source>Archivo: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="353"/>
        <source>(ninguna)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="357"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="426"/>
        <source>Debe elegir la columna de la FECHA</source>
        <translation>You must choose the DATE column</translation>
    </message>
    <message>
        <location filename="../src/reconcilescreen/FrmFormatoCsv.cpp" line="436"/>
        <source>Debe elegir la columna del IMPORTE, o las del DEBE y el HABER</source>
        <translation>You must choose the AMOUNT column, or the DEBIT and CREDIT ones</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmGraficoSaldo</name>
    <message>
        <location filename="../src/forecastscreen/FrmGraficoSaldo.cpp" line="46"/>
        <source>SALDO REALIZADO</source>
        <translation>REALISED BALANCE</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmGraficoSaldo.cpp" line="52"/>
        <source>ALT+P (Imprimir) - ESC (Salir)</source>
        <translation>ALT+P (Print) - ESC (Leave)</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmGraficoSaldo.cpp" line="60"/>
        <source>Cuenta: %1 - %2, del %3 al %4</source>
        <translation>Account: %1 - %2, from %3 to %4</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmGraficoSaldo.cpp" line="88"/>
        <source>Saldo realizado</source>
        <translation>Realised balance</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmHistorial</name>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="16"/>
        <source>HISTORIAL DEL MOVIMIENTO</source>
        <translation>MOVEMENT HISTORY</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="17"/>
        <source>Fecha y hora</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="17"/>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="17"/>
        <source>Programa</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="17"/>
        <source>Rutina</source>
        <translation>Routine</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="18"/>
        <source>Operación</source>
        <translation>Operation</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="18"/>
        <source>Cambios</source>
        <translation>Changes</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="20"/>
        <source>FLECHAS, RE PÁG y AV PÁG [Recorrer] - ENTER [Ver] - ESC [Salir]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLECHAS, RE PÁG y AV PÁG [Recorrer] - ESC [Salir]</source>
        <translation type="vanished">ARROWS, PAGE UP and PAGE DOWN [Browse] - ESC [Exit]</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="32"/>
        <source>Cuenta %1 - Movimiento nº %2</source>
        <translation>Account %1 - Movement no. %2</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="54"/>
        <source>1 cambio</source>
        <translation>1 change</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmHistorial.cpp" line="55"/>
        <source>%1 cambios</source>
        <translation>%1 changes</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmIntervalo</name>
    <message>
        <location filename="../src/screens/FrmIntervalo.cpp" line="99"/>
        <source>Desde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/screens/FrmIntervalo.cpp" line="100"/>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/screens/FrmIntervalo.cpp" line="101"/>
        <source>Número de concepto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::FrmPapelera</name>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="18"/>
        <source>PAPELERA</source>
        <translation>RECYCLE BIN</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="19"/>
        <source>Borrado el</source>
        <translation>Deleted on</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="19"/>
        <source>Por</source>
        <translation>By</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="19"/>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="19"/>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="19"/>
        <source>Descripción</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="19"/>
        <source>Importe</source>
        <translation>Amount</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="20"/>
        <source>ENTER [Recuperar] - ESC [Salir]</source>
        <translation>ENTER [Restore] - ESC [Exit]</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="34"/>
        <source>Cuenta %1 - %2</source>
        <translation>Account %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="59"/>
        <source>La papelera de esta cuenta está vacía.</source>
        <translation>This account&apos;s recycle bin is empty.</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="60"/>
        <source>Movimientos borrados: %1</source>
        <translation>Deleted movements: %1</translation>
    </message>
    <message>
        <location filename="../src/auditscreen/FrmPapelera.cpp" line="76"/>
        <source>¿Recuperar el movimiento %1?</source>
        <translation>Bring back movement %1?</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmPeriodicos</name>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="65"/>
        <source>A ACREDITAR</source>
        <translation>TO CREDIT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="65"/>
        <source>A DEBITAR</source>
        <translation>TO DEBIT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="69"/>
        <source>lunes</source>
        <translation>Monday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="69"/>
        <source>martes</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="70"/>
        <source>miércoles</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="70"/>
        <source>jueves</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="71"/>
        <source>viernes</source>
        <translation>Friday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="71"/>
        <source>sábado</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="72"/>
        <source>domingo</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="81"/>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="238"/>
        <source>Semanal</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="82"/>
        <source>Cada %1 semanas</source>
        <translation>Every %1 weeks</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="85"/>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="238"/>
        <source>Trimestral</source>
        <translation>Quarterly</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="86"/>
        <source>Cada %1 trimestres</source>
        <translation>Every %1 quarters</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="88"/>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="238"/>
        <source>Anual</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="88"/>
        <source>Cada %1 años</source>
        <translation>Every %1 years</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="90"/>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="238"/>
        <source>Mensual</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="90"/>
        <source>Cada %1 meses</source>
        <translation>Every %1 months</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="161"/>
        <source>MOVIMIENTOS PERIÓDICOS</source>
        <translation>RECURRING MOVEMENTS</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="167"/>
        <source>Movimientos periódicos</source>
        <translation>Recurring movements</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="174"/>
        <source>INSERT (Agregar) - ENTER (Modificar) - DELETE (Eliminar) - ESC (Salir)</source>
        <translation>INSERT (Add) - ENTER (Change) - DELETE (Delete) - ESC (Leave)</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="206"/>
        <source> Cuenta:</source>
        <translation> Account:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="208"/>
        <source> Concepto:</source>
        <translation> Concept:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="210"/>
        <source> Descripción:</source>
        <translation> Description:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="213"/>
        <source> Importe:</source>
        <translation> Amount:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="215"/>
        <source> Lado:</source>
        <translation> Side:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="217"/>
        <source> Frecuencia:</source>
        <translation> Frequency:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="220"/>
        <source> Cada:</source>
        <translation> Every:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="223"/>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="488"/>
        <source> Día del mes:</source>
        <translation> Day of the month:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="225"/>
        <source> Primera fecha:</source>
        <translation> First date:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="227"/>
        <source> Hasta (opcional):</source>
        <translation> Until (optional):</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="230"/>
        <source> Veces (opcional):</source>
        <translation> Times (optional):</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="231"/>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="254"/>
        <source>NRO</source>
        <translation>NO.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="254"/>
        <source>CUENTA</source>
        <translation>ACCOUNT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="254"/>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="254"/>
        <source>IMPORTE</source>
        <translation>AMOUNT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="255"/>
        <source>LADO</source>
        <translation>SIDE</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="255"/>
        <source>FRECUENCIA</source>
        <translation>FREQUENCY</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="255"/>
        <source>PRÓXIMA</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="458"/>
        <source>¿Eliminar el movimiento periódico seleccionado? Los movimientos que ya generó se conservan.</source>
        <translation>Delete the selected recurring movement? The movements it already entered are kept.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="477"/>
        <source>No se eliminó ningún movimiento periódico: otra persona ya lo había eliminado.</source>
        <translation>No recurring movement was deleted: someone else had already deleted it.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="488"/>
        <source> Día (de 1, lunes, a 7, domingo):</source>
        <translation> Day (1, Monday, to 7, Sunday):</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="495"/>
        <source>Debe seleccionar una CUENTA</source>
        <translation>You must choose an ACCOUNT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="498"/>
        <source>Debe seleccionar un CONCEPTO</source>
        <translation>You must choose a CONCEPT</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="502"/>
        <source>Debe ingresar una DESCRIPCIÓN</source>
        <translation>You must enter a DESCRIPTION</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="503"/>
        <source>Debe ingresar un IMPORTE mayor que cero.</source>
        <translation>You must enter an AMOUNT above zero.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="521"/>
        <source>Cada cuántos períodos: un número entero de 1 a 99.</source>
        <translation>Every how many periods: a whole number from 1 to 99.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="527"/>
        <source>Día: un número de 1 a 31 (de 1, lunes, a 7, domingo, si es semanal).</source>
        <translation>Day: a number from 1 to 31 (from 1, Monday, to 7, Sunday, if weekly).</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="531"/>
        <source>Debe ingresar una FECHA valida.</source>
        <translation>You must enter a valid DATE.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="537"/>
        <source>La fecha final debe ser válida y no anterior a la primera.</source>
        <translation>The last date must be valid and not before the first.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="543"/>
        <source>Veces: un número entero de 1 a 9999.</source>
        <translation>Times: a whole number from 1 to 9999.</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPeriodicos.cpp" line="561"/>
        <source>No se modificó el movimiento periódico: otra persona lo eliminó.</source>
        <translation>The recurring movement was not changed: someone else deleted it.</translation>
    </message>
</context>
<context>
    <name>ledgora::FrmPrevision</name>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="43"/>
        <source>PREVISIÓN DE TESORERÍA</source>
        <translation>CASH FORECAST</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="55"/>
        <source>Días:</source>
        <translation>Days:</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="77"/>
        <source>Previsión</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="92"/>
        <source>ENTER en Días (Calcular) - F2 (Esta cuenta / Todas) - ALT+P (Imprimir) - ESC (Salir)</source>
        <translation>ENTER in Days (Compute) - F2 (This account / All) - ALT+P (Print) - ESC (Leave)</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="109"/>
        <source>Todas las cuentas</source>
        <translation>All accounts</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="110"/>
        <source>Cuenta: %1 - %2</source>
        <translation>Account: %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/forecastscreen/FrmPrevision.cpp" line="117"/>
        <source>Días: un número entero de 1 a %1.</source>
        <translation>Days: a whole number from 1 to %1.</translation>
    </message>
</context>
<context>
    <name>ledgora::MatchEvidence</name>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="69"/>
        <source>referencia %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="71"/>
        <source>otra referencia (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="73"/>
        <source>nombre %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="75"/>
        <source>otro nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="77"/>
        <source>solo el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="78"/>
        <source>mismo día</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="79"/>
        <source>a 1 día</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reconcile/MatchEvidence.cpp" line="80"/>
        <source>a %1 días</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::clExtracto</name>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="22"/>
        <source>Extracto %1: %2, %3 para revisar.</source>
        <translation>Statement %1: %2, %3 left for review.</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="42"/>
        <source>la cuenta bancaria %1 está vinculada a la cuenta %2, no a la %3</source>
        <translation>bank account %1 is linked to account %2, not to %3</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="45"/>
        <source>la cuenta bancaria %1 no está vinculada a ninguna cuenta del libro: indique la cuenta tras la base de datos</source>
        <translation>bank account %1 is not linked to any account of the ledger: give the account after the database</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="49"/>
        <source>no existe la cuenta %1</source>
        <translation>there is no account %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="67"/>
        <source>el archivo trae %1 cuentas bancarias sin vincular (%2) y la cuenta %3 solo puede ser de una: vincule cada una en la pantalla de conciliación (F9), que pregunta por cada una</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="96"/>
        <source>un archivo CSV no dice de qué cuenta es: indique la CUENTA</source>
        <translation>a CSV file does not say which account it is: give the ACCOUNT</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="109"/>
        <source>no se puede abrir la base de datos %1</source>
        <translation>cannot open the database %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="115"/>
        <source>No se puede abrir el extracto %1: %2.</source>
        <translation>Cannot open the statement %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="131"/>
        <location filename="../src/entry/clExtracto.cpp" line="138"/>
        <location filename="../src/entry/clExtracto.cpp" line="155"/>
        <source>%1; no se ha escrito nada</source>
        <translation>%1; nothing was written</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="146"/>
        <source>(simulación: no se ha escrito nada)</source>
        <translation>(dry run: nothing was written)</translation>
    </message>
</context>
<context>
    <name>ledgora::clHistorial</name>
    <message>
        <location filename="../src/entry/clHistorial.cpp" line="17"/>
        <source>no se puede abrir la base de datos %1</source>
        <translation type="unfinished">cannot open the database %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clHistorial.cpp" line="23"/>
        <source>no se pudo leer el historial: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::clListado</name>
    <message>
        <location filename="../src/entry/clListado.cpp" line="44"/>
        <source>DESDE no es una fecha dd/mm/aaaa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="48"/>
        <source>HASTA no es una fecha dd/mm/aaaa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="51"/>
        <source>el intervalo termina (%1) antes de empezar (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede abrir la base de datos %1</source>
        <translation type="obsolete">cannot open the database %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="68"/>
        <source>no hay una cuenta &quot;%1&quot; en %2</source>
        <translation type="unfinished">there is no account &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="106"/>
        <location filename="../src/entry/clListado.cpp" line="139"/>
        <location filename="../src/entry/clListado.cpp" line="162"/>
        <source>no se pudo escribir %1: %2</source>
        <translation type="unfinished">could not write %1: %2</translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="114"/>
        <source>no se pudo leer el listado de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="132"/>
        <source>no se pudo leer el listado: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::clPrevision</name>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="29"/>
        <location filename="../src/entry/clPrevision.cpp" line="45"/>
        <location filename="../src/entry/clPrevision.cpp" line="96"/>
        <source>no se pudo escribir %1: %2</source>
        <translation>could not write %1: %2</translation>
    </message>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="62"/>
        <source>DIAS no es un número de días de 1 a %1: %2</source>
        <translation>DAYS is not a number of days from 1 to %1: %2</translation>
    </message>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="69"/>
        <source>la salida debe ser un archivo .pdf o .csv: %1</source>
        <translation>the output must be a .pdf or .csv file: %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="75"/>
        <source>Todas las cuentas</source>
        <translation>All accounts</translation>
    </message>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="84"/>
        <source>no hay una cuenta &quot;%1&quot; en %2</source>
        <translation>there is no account &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="86"/>
        <source>Cuenta: %1 - %2</source>
        <translation>Account: %1 - %2</translation>
    </message>
    <message>
        <location filename="../src/entry/clPrevision.cpp" line="98"/>
        <source>no se pudo calcular la previsión: %1</source>
        <translation>the forecast could not be computed: %1</translation>
    </message>
</context>
<context>
    <name>ledgora::windowless</name>
    <message>
        <location filename="../src/entry/WindowlessOutput.cpp" line="29"/>
        <source>no hay una base de datos en %1</source>
        <translation>there is no database at %1</translation>
    </message>
    <message>
        <location filename="../src/entry/WindowlessOutput.cpp" line="33"/>
        <source>no es un nombre de archivo: %1</source>
        <translation>not a file name: %1</translation>
    </message>
    <message>
        <location filename="../src/entry/WindowlessOutput.cpp" line="36"/>
        <source>no es un archivo común: %1</source>
        <translation>not a regular file: %1</translation>
    </message>
    <message>
        <location filename="../src/entry/WindowlessOutput.cpp" line="40"/>
        <source>no se puede escribir en la carpeta %1</source>
        <translation>cannot write in the folder %1</translation>
    </message>
    <message>
        <location filename="../src/entry/WindowlessOutput.cpp" line="48"/>
        <source>el componente de acceso a datos no está disponible</source>
        <translation>the data access component is not available</translation>
    </message>
    <message>
        <location filename="../src/entry/WindowlessOutput.cpp" line="53"/>
        <source>no se puede abrir la base de datos %1</source>
        <translation>cannot open the database %1</translation>
    </message>
</context>
</TS>

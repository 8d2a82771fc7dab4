<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
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
    <name>BandedReport</name>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="144"/>
        <source>Guardar como PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="148"/>
        <source>Guardar como PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="154"/>
        <source>No se pudo guardar %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/BandedReport.cpp" line="174"/>
        <source>no se pudo empezar el PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Camt053Reader</name>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="67"/>
        <source>Elemento %1 %2 (línea %3): %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="115"/>
        <source>el XML se acaba antes de cerrar sus elementos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="116"/>
        <source>el XML está mal formado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="121"/>
        <source>Línea %1, columna %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="141"/>
        <source>el XML no es un extracto camt.053 (su raíz es «%1» del espacio de nombres «%2»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="192"/>
        <source>falta el importe (Amt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="196"/>
        <source>el importe no es un número exacto (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="203"/>
        <source>falta el indicador de abono o cargo (CdtDbtInd CRDT o DBIT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="214"/>
        <source>%1 no es una fecha (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="226"/>
        <source>la fecha del saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="242"/>
        <source>la fecha de asiento (BookgDt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="243"/>
        <source>la fecha valor (ValDt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="245"/>
        <source>falta la fecha (BookgDt o ValDt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="269"/>
        <source>falta la cuenta (Acct/Id)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="274"/>
        <source>el principio del periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Camt053Reader.cpp" line="275"/>
        <source>el final del periodo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <location filename="../src/data/CsvReader.cpp" line="51"/>
        <source>unas comillas se abren y no se cierran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/CsvReader.cpp" line="53"/>
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
        <location filename="../src/data/DatabaseCopy.cpp" line="114"/>
        <source>no existe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="116"/>
        <source>no tiene contenido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="118"/>
        <source>no es una base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="126"/>
        <source>tiene daños (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="128"/>
        <source>no tiene las tablas de un libro de Ledgora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="133"/>
        <source>sus tablas no son las de un libro de Ledgora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="148"/>
        <source>no hay una base de datos en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="190"/>
        <source>la copia %1 no sirve: %2; no se cambió nada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseCopy.cpp" line="241"/>
        <source>no se pudo crear la carpeta </source>
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
    <name>Norma43Reader</name>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="114"/>
        <source>Línea %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="162"/>
        <source>la línea pasa de 80 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="164"/>
        <source>hay registros después del registro 88 de final de archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="169"/>
        <source>el registro 00 de cabecera solo puede ir al principio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="189"/>
        <source>el tipo de registro «%1» no es de Norma 43</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="193"/>
        <source>la última cuenta no tiene registro 33 de final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="195"/>
        <source>falta el registro 88 de final de archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="202"/>
        <source>%1 no es un número</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="209"/>
        <source>el signo no es 1 (cargo) ni 2 (abono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="224"/>
        <source>%1 no es una fecha (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="261"/>
        <source>la cuenta anterior no tiene registro 33 de final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="267"/>
        <source>la fecha inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="268"/>
        <source>la fecha final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="269"/>
        <source>el saldo inicial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="279"/>
        <source>un movimiento (registro 22) fuera de una cuenta (registros 11 a 33)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="282"/>
        <source>la fecha de operación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="283"/>
        <source>la fecha de valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="287"/>
        <source>el importe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="301"/>
        <source>un registro 23 de concepto complementario solo puede seguir a un 22, y cinco como mucho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="313"/>
        <source>un registro 24 de equivalencia de divisa solo puede seguir a un 22, y uno solo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="317"/>
        <source>el importe equivalente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="322"/>
        <source>un registro 33 de final de cuenta sin su registro 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="326"/>
        <source>el registro 33 es de otra cuenta que su registro 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="327"/>
        <source>el número de cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="328"/>
        <source>el total de cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="329"/>
        <source>el número de abonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="330"/>
        <source>el total de abonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="331"/>
        <source>el saldo final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="334"/>
        <source>la divisa del registro 33 no es la de su registro 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="346"/>
        <source>el registro 33 cuenta %1 cargos y %2 abonos, y la cuenta tiene %3 y %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="353"/>
        <source>los totales de cargos y abonos del registro 33 no son la suma de sus movimientos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="356"/>
        <source>el saldo final no cuadra con el inicial más los abonos menos los cargos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="364"/>
        <source>la cuenta no tiene registro 33 de final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="365"/>
        <source>el número de registros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/Norma43Reader.cpp" line="367"/>
        <source>el registro 88 cuenta %1 registros y el archivo tiene %2</source>
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
    <name>StatementReader</name>
    <message>
        <location filename="../src/statements/ReadOrRefuse.h" line="20"/>
        <source>los importes suman más de lo que cabe (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/StatementReader.cpp" line="32"/>
        <source>No se puede abrir el extracto %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/statements/StatementReader.cpp" line="53"/>
        <source>El archivo no es un extracto Norma 43 ni camt.053.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clDemo</name>
    <message>
        <location filename="../src/entry/clDemo.cpp" line="86"/>
        <location filename="../src/entry/clDemo.cpp" line="89"/>
        <source>no se pudo escribir el ejemplo: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clDemo.cpp" line="98"/>
        <source>no se puede abrir la base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clDemo.cpp" line="100"/>
        <source>la base de datos ya tiene cuentas; se abre tal como está</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clImportar</name>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="41"/>
        <source>no se puede abrir la base de datos </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="44"/>
        <source>la base de datos ya tiene cuentas: no se importó nada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="91"/>
        <source>la cuenta &quot;%1&quot; no está en BANCNT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="95"/>
        <source>el concepto &quot;%1&quot; no está en BANCON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="115"/>
        <source>no hay nada que importar en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clImportar.cpp" line="140"/>
        <source>se importaron %1 cuentas, %2 conceptos y %3 movimientos</source>
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
    <name>ledgora::FrmABMConceptos</name>
    <message>
        <location filename="../src/screens/FrmABMConceptos.cpp" line="75"/>
        <source>Conceptos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::FrmABMCuentas</name>
    <message>
        <location filename="../src/screens/FrmABMCuentas.cpp" line="78"/>
        <source>Cuentas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::FrmBNKMain</name>
    <message>
        <location filename="../src/mainscreen/FrmBNKMain.cpp" line="75"/>
        <source>Movimientos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::FrmConceptos</name>
    <message>
        <location filename="../src/screens/FrmConceptos.cpp" line="77"/>
        <source>Número de concepto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::FrmIntervalo</name>
    <message>
        <location filename="../src/screens/FrmIntervalo.cpp" line="98"/>
        <source>Desde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/screens/FrmIntervalo.cpp" line="99"/>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/screens/FrmIntervalo.cpp" line="100"/>
        <source>Número de concepto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ledgora::clExtracto</name>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="21"/>
        <source>Extracto %1: %2, %3, %4, %5 para revisar.</source>
        <translation>Statement %1: %2, %3, %4, %5 left for review.</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="23"/>
        <source>%1 casado</source>
        <translation>%1 matched</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="23"/>
        <source>%1 casados</source>
        <translation>%1 matched</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="24"/>
        <source>%1 nuevo</source>
        <translation>%1 new</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="24"/>
        <source>%1 nuevos</source>
        <translation>%1 new</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="25"/>
        <source>%1 ya importado</source>
        <translation>%1 already imported</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="26"/>
        <source>%1 ya importados</source>
        <translation>%1 already imported</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="43"/>
        <source>la cuenta bancaria %1 está vinculada a la cuenta %2, no a la %3</source>
        <translation>bank account %1 is linked to account %2, not to %3</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="46"/>
        <source>la cuenta bancaria %1 no está vinculada a ninguna cuenta del libro: indique la cuenta tras la base de datos</source>
        <translation>bank account %1 is not linked to any account of the ledger: give the account after the database</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="50"/>
        <source>no existe la cuenta %1</source>
        <translation>there is no account %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="70"/>
        <source>no se puede abrir la base de datos %1</source>
        <translation>cannot open the database %1</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="80"/>
        <location filename="../src/entry/clExtracto.cpp" line="94"/>
        <source>%1; no se ha escrito nada</source>
        <translation>%1; nothing was written</translation>
    </message>
    <message>
        <location filename="../src/entry/clExtracto.cpp" line="88"/>
        <source>(simulación: no se ha escrito nada)</source>
        <translation>(dry run: nothing was written)</translation>
    </message>
</context>
<context>
    <name>ledgora::clListado</name>
    <message>
        <location filename="../src/entry/clListado.cpp" line="46"/>
        <source>DESDE no es una fecha dd/mm/aaaa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="49"/>
        <source>HASTA no es una fecha dd/mm/aaaa: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="51"/>
        <source>el intervalo termina (%1) antes de empezar (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="53"/>
        <source>no hay una base de datos en %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="56"/>
        <source>no es un nombre de archivo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="59"/>
        <source>no es un archivo común: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="62"/>
        <source>no se puede escribir en la carpeta %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="67"/>
        <source>el componente de acceso a datos no está disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="72"/>
        <source>no se puede abrir la base de datos %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="84"/>
        <source>no hay una cuenta &quot;%1&quot; en %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="120"/>
        <location filename="../src/entry/clListado.cpp" line="150"/>
        <location filename="../src/entry/clListado.cpp" line="177"/>
        <source>no se pudo escribir %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="127"/>
        <source>no se pudo leer el listado de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/entry/clListado.cpp" line="145"/>
        <source>no se pudo leer el listado: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

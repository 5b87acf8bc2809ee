<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="it_IT">
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../export/backup.cpp" line="82"/>
        <source>Selezionare un file nella Directory dove salvare i dati</source>
        <translation>Selecione um ficheiro na pasta onde guardar os dados</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="104"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Não é possível escrever o ficheiro %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="108"/>
        <source>Salvataggio effettuato!</source>
        <translation>Gravação efetuada!</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="115"/>
        <source>apriil file di configurazione</source>
        <translation>abrir o ficheiro de configuração</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="117"/>
        <source>Configurazione (%1);;Tutti i file (*)</source>
        <translation>Configuração (%1);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="128"/>
        <source>Impossibile leggere il file %1: %2</source>
        <translation>Não é possível ler o ficheiro %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="138"/>
        <source>Ripristino effettuato!</source>
        <translation>Restauro efetuado!</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <location filename="../config/configuration.cpp" line="38"/>
        <source>&apos;%1&apos; non è un valore valido (%2): ci vuole un testo o un numero intero</source>
        <translation>&apos;%1&apos; não é um valor válido (%2): é necessário um texto ou um número inteiro</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="45"/>
        <source>&apos;%1&apos; è troppo grande (%2): al massimo %3</source>
        <translation>&apos;%1&apos; é demasiado grande (%2): no máximo %3</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="60"/>
        <location filename="../config/configuration.cpp" line="77"/>
        <source>&apos;%1&apos; non è un valore intero valido (%2)</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido (%2)</translation>
    </message>
</context>
<context>
    <name>EndOfLot</name>
    <message>
        <location filename="../export/endoflot.cpp" line="82"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>A central está desligada, ligue-a por favor!</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="133"/>
        <source>Stampa non inviata</source>
        <translation>Impressão não enviada</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="173"/>
        <source>Il file %1 esiste già: la bolla %2 è esportata in %3</source>
        <translation>O ficheiro %1 já existe: a guia %2 foi exportada em %3</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <location filename="../base/fields.cpp" line="21"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>LotArchive</name>
    <message>
        <location filename="../lots/lotarchive.cpp" line="85"/>
        <source> &lt;nuovo produttore&gt;</source>
        <translation> &lt;novo produtor&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="185"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido para o campo %2</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="192"/>
        <source>La bolla non ha una data valida</source>
        <translation>A guia não tem uma data válida</translation>
    </message>
</context>
<context>
    <name>LotEditor</name>
    <message>
        <location filename="../lots/loteditor.cpp" line="95"/>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Arquivo de programas vazio, reprocessamento impossível.</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Caricamento Programma </source>
        <translation>Carregamento de programa </translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Numero Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="98"/>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Programa do arquivo INEXISTENTE, selecione um da lista.</translation>
    </message>
</context>
<context>
    <name>LotExport</name>
    <message>
        <location filename="../export/expfildata.cpp" line="65"/>
        <source>La bolla %1 contiene il carattere &apos;%2&apos;, che il file per l&apos;AS400 non può contenere</source>
        <translation>A guia %1 contém o carácter &apos;%2&apos;, que o ficheiro para o AS400 não pode conter</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="105"/>
        <source>La cartella di esportazione %1 (%2) non esiste: i dati per l&apos;AS400 non sono stati esportati</source>
        <translation>A pasta de exportação %1 (%2) não existe: os dados para o AS400 não foram exportados</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="115"/>
        <source>Il file %1 non è stato scritto: %2</source>
        <translation>O ficheiro %1 não foi escrito: %2</translation>
    </message>
</context>
<context>
    <name>Lots</name>
    <message>
        <location filename="../lots/lots.cpp" line="21"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="82"/>
        <source>Nuova Bolla N:</source>
        <translation>Nova guia n.º:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="86"/>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>A guia foi registada com o número %1: o número %2 foi ocupado entretanto</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="129"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>A guia %1 já não está no arquivo</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="133"/>
        <source>Modifica Bolla N:</source>
        <translation>Alterar guia n.º:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="150"/>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Eliminação impossível, guia anterior em curso.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="153"/>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Apagar o arquivo de guias? Não será possível recuperá-lo.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="156"/>
        <source>Archivio Bolle cancellato!</source>
        <translation>Arquivo de guias apagado!</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="176"/>
        <source>La data iniziale viene dopo quella finale</source>
        <translation>A data inicial é posterior à final</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="180"/>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;novo produtor&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="231"/>
        <source>Il produttore è stato registrato con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>O produtor foi registado com o número %1: o número %2 foi ocupado entretanto</translation>
    </message>
</context>
<context>
    <name>MainCycle</name>
    <message>
        <location filename="../sampling/maincycle.cpp" line="59"/>
        <source>Trasf. interrotto (%1 %)</source>
        <translation>Transf. interrompida (%1 %)</translation>
    </message>
    <message>
        <location filename="../sampling/maincycle.cpp" line="76"/>
        <source>0 - Centralina off </source>
        <translation>0 - Central off </translation>
    </message>
</context>
<context>
    <name>PrintServerClient</name>
    <message>
        <location filename="../export/printserver.cpp" line="42"/>
        <source>server di stampa 127.0.0.1:%1 non raggiungibile: %2</source>
        <translation>servidor de impressão 127.0.0.1:%1 inacessível: %2</translation>
    </message>
</context>
<context>
    <name>Producers</name>
    <message>
        <location filename="../lots/producers.cpp" line="74"/>
        <source>Il produttore %1 non è più in archivio</source>
        <translation>O produtor %1 já não está no arquivo</translation>
    </message>
</context>
<context>
    <name>ProgramCommands</name>
    <message>
        <location filename="../programs/programcommands.cpp" line="13"/>
        <source>Modifica programma N. </source>
        <translation>Alterar programa n.º </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="67"/>
        <source> Cancella Programma </source>
        <translation> Eliminar programa </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="73"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido</translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="75"/>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>O programa é o atual; não é possível eliminá-lo!</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <location filename="../programs/programs.cpp" line="99"/>
        <source>&apos;%1&apos; non è un valore intero valido (peso %2 della qualità %3)</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido (peso %2 da qualidade %3)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="121"/>
        <source>Il codice %1 è stato usato nel frattempo da un&apos;altra stazione: il programma è salvato con il codice %2.</source>
        <translation>O código %1 foi usado entretanto por outra estação: o programa foi guardado com o código %2.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="169"/>
        <source>Il programma %1 non è presente nell&apos;archivio.</source>
        <translation>O programa %1 não está no arquivo.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="173"/>
        <source>Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro.</source>
        <translation>Já estão guardados 99 programas: elimine um antes de criar outro.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="176"/>
        <source>Programma %1 non presente in archivio</source>
        <translation>Programa %1 não presente no arquivo</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="249"/>
        <source>Il numero di programma %1 non può essere inviato alla centralina</source>
        <translation>O número de programa %1 não pode ser enviado à central</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="251"/>
        <source>Il programma %1 non può essere inviato alla centralina: qualità %2, classe %3, %4 &apos;%5&apos; non valido (%6)</source>
        <translation>O programa %1 não pode ser enviado à central: qualidade %2, classe %3, %4 &apos;%5&apos; inválido (%6)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso minimo</source>
        <translation>peso mínimo</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso massimo</source>
        <translation>peso máximo</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="271"/>
        <source>ci vuole un numero intero da 0 a %1</source>
        <translation>é necessário um número inteiro de 0 a %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>uscita %1</source>
        <translation>saída %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>ci vogliono due cifre</source>
        <translation>são necessários dois algarismos</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="303"/>
        <source>Il programma %1 non è presente nell&apos;archivio: non è stato inviato alla centralina.</source>
        <translation>O programa %1 não está no arquivo: não foi enviado à central.</translation>
    </message>
</context>
<context>
    <name>RejectUnit</name>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="7"/>
        <source>0-SCARTI off </source>
        <translation>0-REFUGOS off </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="8"/>
        <source>? - errore scarti </source>
        <translation>? - erro refugos </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>0 - SCARTI ON </source>
        <translation>0 - REFUGOS ON </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>1 - attesa scar.</source>
        <translation>1 - espera descarga</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>2 - SCARICO</source>
        <translation>2 - DESCARGA</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>3 - ass. tara</source>
        <translation>3 - aquis. tara</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>4 - tara in corso</source>
        <translation>4 - tara em curso</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>5 - att. carico</source>
        <translation>5 - espera carga</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>6 - Carico Sing.</source>
        <translation>6 - Carga simples</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Aquis. e acum.</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>8 - Doppia Carico</source>
        <translation>8 - Carga dupla</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Aquis. acum. pos.</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../reports/reportoutput.cpp" line="25"/>
        <source>la coda non accetta lavori</source>
        <translation>a fila não aceita trabalhos</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="26"/>
        <source>la stampante è ferma</source>
        <translation>a impressora está parada</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="49"/>
        <source>Impossibile scrivere il file %1</source>
        <translation>Não é possível escrever o ficheiro %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="59"/>
        <source>Nessuna stampante installata: la stampa è nel file %1</source>
        <translation>Nenhuma impressora instalada: a impressão está no ficheiro %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="102"/>
        <source>La stampa su %1 non è riuscita: %2</source>
        <translation>A impressão em %1 falhou: %2</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="111"/>
        <source>la stampante non ha accettato il lavoro</source>
        <translation>a impressora não aceitou o trabalho</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../reports/reports.cpp" line="83"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>A guia %1 já não está no arquivo</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="110"/>
        <source>Il programma %1 della bolla %2 non è in archivio: la bolla non può essere stampata</source>
        <translation>O programa %1 da guia %2 não está no arquivo: a guia não pode ser impressa</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="126"/>
        <source>errore programma in stampa</source>
        <translation>erro do programa na impressão</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="133"/>
        <source>Non ci sono totali della bolla in corso da stampare</source>
        <translation>Não há totais da guia em curso para imprimir</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="213"/>
        <source>non abilitata</source>
        <translation>não ativada</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>destra</source>
        <translation>direita</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>sinistra</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <location filename="../reports/reports.cpp" line="282"/>
        <source> Stampa Programma </source>
        <translation> Imprimir programa </translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <source>Numero  Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="304"/>
        <source>Il produttore %1 non ha bolle dal %2 al %3</source>
        <translation>O produtor %1 não tem guias de %2 a %3</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="312"/>
        <source>Stampa Installazione</source>
        <translation>Imprimir instalação</translation>
    </message>
</context>
<context>
    <name>RunCommands</name>
    <message>
        <location filename="../sampling/runcommands.cpp" line="26"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>A central está desligada, ligue-a por favor!</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="30"/>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Os totais serão colocados a zero, deseja continuar?</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="135"/>
        <source>Produzione oraria = </source>
        <translation>Produção horária = </translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="158"/>
        <source>Costo: %1 EUR</source>
        <translation>Custo: %1 EUR</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="159"/>
        <source>  -  %1 EUR/Kg</source>
        <translation>  -  %1 EUR/kg</translation>
    </message>
</context>
<context>
    <name>RunningTotals</name>
    <message>
        <location filename="../sampling/runningtotals.cpp" line="107"/>
        <source>I totali della bolla in corso non sono stati salvati</source>
        <translation>Os totais da guia em curso não foram guardados</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../config/settingsstore.cpp" line="49"/>
        <source>Impossibile leggere il file delle impostazioni %1: %2</source>
        <translation>Não é possível ler o ficheiro de definições %1: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="56"/>
        <source>Il file delle impostazioni %1 non è valido: %2</source>
        <translation>O ficheiro de definições %1 não é válido: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="59"/>
        <source>non contiene un oggetto</source>
        <translation>não contém um objeto</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="149"/>
        <source>Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto</source>
        <translation>O ficheiro de definições %1 não é legível: nenhum valor foi escrito</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="156"/>
        <source>Il file delle impostazioni %1 non è valido e non può essere messo da parte; nessun valore è stato scritto</source>
        <translation>O ficheiro de definições %1 não é válido e não pode ser posto de parte; nenhum valor foi escrito</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="162"/>
        <source>Il file delle impostazioni non era valido ed è stato conservato come %1</source>
        <translation>O ficheiro de definições não era válido e foi conservado como %1</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="181"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <location filename="../app/station.cpp" line="240"/>
        <source>Costi del personale</source>
        <translation>Custos de pessoal</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="371"/>
        <source>Il registro eventi %1 non può essere scritto (%2): la stazione lavora senza registro</source>
        <translation>O registo de eventos %1 não pode ser escrito (%2): a estação trabalha sem registo</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="468"/>
        <source>Bolla temporanea non presente!</source>
        <translation>Guia temporária não presente!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="549"/>
        <source>Configurazione</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="577"/>
        <location filename="../app/station.cpp" line="696"/>
        <location filename="../app/station.cpp" line="811"/>
        <location filename="../app/station.cpp" line="843"/>
        <location filename="../app/station.cpp" line="927"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>A central está desligada, ligue-a por favor!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="582"/>
        <source> Caricamento Programma </source>
        <translation> Carregamento de programa </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="590"/>
        <source>&apos;%1&apos; non è un codice di programma valido</source>
        <translation>&apos;%1&apos; não é um código de programa válido</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="593"/>
        <source>Caricamento del programma %1</source>
        <translation>Carregamento do programa %1</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="605"/>
        <source>Non c&apos;è un programma corrente da modificare.</source>
        <translation>Não há um programa atual para alterar.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="614"/>
        <source>Modifica programma N. </source>
        <translation>Alterar programa n.º </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="624"/>
        <source>Invio del programma alla centralina</source>
        <translation>Envio do programa para a central</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="639"/>
        <source>Azzeramento dei totali</source>
        <translation>Colocação a zero dos totais</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="644"/>
        <location filename="../app/station.cpp" line="786"/>
        <source>Lettura dei totali</source>
        <translation>Leitura dos totais</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="700"/>
        <source>Lettura dei totali per la stampa</source>
        <translation>Leitura dos totais para impressão</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="732"/>
        <source>Esporta le bolle trovate</source>
        <translation>Exportar as guias encontradas</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="735"/>
        <source>Testo per AS400 (*.txt)</source>
        <translation>Texto para AS400 (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="755"/>
        <source>Il programma di aggiornamento %1 non si avvia: la stazione resta aperta</source>
        <translation>O programa de atualização %1 não arranca: a estação permanece aberta</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="762"/>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Deseja exportar os dados para o AS400?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="814"/>
        <source>Fine lavorazione</source>
        <translation>Fim do trabalho</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="822"/>
        <source>Allarme qualità</source>
        <translation>Alarme de qualidade</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="839"/>
        <location filename="../app/station.cpp" line="1071"/>
        <location filename="../app/station.cpp" line="1102"/>
        <location filename="../app/station.cpp" line="1486"/>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Verifique que a máquina está vazia e prima Sim para efetuar a calibração.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="856"/>
        <source>Il coefficiente della linea %1 deve essere un numero intero da 1 a 9999</source>
        <translation>O coeficiente da linha %1 deve ser um número inteiro de 1 a 9999</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="872"/>
        <source>Coefficienti di calibrazione</source>
        <translation>Coeficientes de calibração</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="895"/>
        <source>Il peso campione per linea deve essere da %1 a %2 grammi</source>
        <translation>O peso de amostra por linha deve ser de %1 a %2 gramas</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="903"/>
        <source>Calibrazione</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="915"/>
        <source>Fine calibrazione</source>
        <translation>Fim da calibração</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="922"/>
        <source>Servizio</source>
        <translation>Serviço</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1021"/>
        <source>Test netto memorizzato</source>
        <translation>Teste de líquido memorizado</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1032"/>
        <location filename="../app/station.cpp" line="1059"/>
        <source>Fine test</source>
        <translation>Fim do teste</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1038"/>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Fim de memorizado não aceite!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1049"/>
        <source>Test encoder</source>
        <translation>Teste do encoder</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1078"/>
        <source>Test magneti</source>
        <translation>Teste dos ímanes</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1086"/>
        <source>Fine test magneti</source>
        <translation>Fim do teste dos ímanes</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1091"/>
        <source>La centralina non ha spento i magneti (U000): spegnere la macchina</source>
        <translation>A central não desligou os ímanes (U000): desligue a máquina</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1118"/>
        <source>Controllo tazze</source>
        <translation>Controlo dos copos</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1127"/>
        <source>Fine controllo tazze</source>
        <translation>Fim do controlo dos copos</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1139"/>
        <source>Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, si vuole proseguire?</source>
        <translation>Atenção! No quadro seguinte é possível alterar o funcionamento da máquina, deseja continuar?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1156"/>
        <source>Linea %1: inizio e fine della finestra di lettura devono essere numeri da 1 a %2, l&apos;inizio minore della fine</source>
        <translation>Linha %1: o início e o fim da janela de leitura devem ser números de 1 a %2, o início menor que o fim</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1199"/>
        <location filename="../app/station.cpp" line="1248"/>
        <source>Fine oscilloscopio</source>
        <translation>Fim do osciloscópio</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1224"/>
        <source>La linea va da 1 a 4 e la soglia da %1 a %2</source>
        <translation>A linha vai de 1 a 4 e o limiar de %1 a %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1236"/>
        <source>Oscilloscopio</source>
        <translation>Osciloscópio</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1250"/>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Fim da função osciloscópio... não executado!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1265"/>
        <source>Impossibile scrivere le tracce su %1: %2. Il salvataggio su file è stato tolto.</source>
        <translation>Não é possível escrever os traços em %1: %2. A gravação em ficheiro foi desativada.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1305"/>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1333"/>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Atenção! As alterações efetuadas no quadro seguinte podem alterar o funcionamento da máquina. Deseja continuar?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1398"/>
        <source>Riavvio linee</source>
        <translation>Reinício das linhas</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1420"/>
        <source>COM%1 (unità scarti)</source>
        <translation>COM%1 (unidade de refugos)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1424"/>
        <source>COM%1 (lettore barcode)</source>
        <translation>COM%1 (leitor de códigos de barras)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1428"/>
        <source>COM%1 (centralina)</source>
        <translation>COM%1 (central)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1439"/>
        <source>Com non disponibile nel computer: %1. La stazione continua senza questa linea e riprova ad aprirla.</source>
        <translation>COM não disponível no computador: %1. A estação continua sem esta linha e tenta abri-la de novo.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1456"/>
        <source>Rinfresco totali</source>
        <translation>Atualização dos totais</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1463"/>
        <source>Directory Esportazione AS400</source>
        <translation>Pasta de exportação AS400</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1465"/>
        <source>text file (*.txt)</source>
        <translation>ficheiro de texto (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1491"/>
        <source>Reset centralina</source>
        <translation>Reinício da central</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1505"/>
        <source>La tabella tara mostra al più %1 tazze: numtazze è %2</source>
        <translation>A tabela de taras mostra no máximo %1 copos: numtazze é %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1515"/>
        <source>Lettura tabella tara</source>
        <translation>Leitura da tabela de taras</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <location filename="../app/station.cpp" line="77"/>
        <source>Uso: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             centralina vecchia: linea a 9600 baud, riga di configurazione corta
                 (solo come primo parametro)
  --unattended   risponde OK o Si a ogni messaggio e finestra modale e ne scrive il
                 testo nel registro eventi e sullo standard error
  --demo         stazione di prova: una bolla chiusa senza numero di bolla prende il numero
                 DEMO e un progressivo, cosi&apos; le bolle del campione simulato si archiviano
  --create-database  crea le tabelle mancanti nel database dell&apos;alias tavikdata
                 (sezione &quot;databases&quot; delle impostazioni; senza, il file SQLite
                 tavikdata.sqlite della cartella di lavoro) ed esce
  --database-role  scrive l&apos;istruzione SQL che crea su un server PostgreSQL l&apos;utente con
                 cui la stazione accede all&apos;archivio (da passare a psql) ed esce
La cartella di lavoro e&apos; la cartella corrente.
</source>
        <translation>Uso: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             central antiga: linha a 9600 baud, linha de configuração curta
                 (só como primeiro parâmetro)
  --unattended   responde OK ou Sim a cada mensagem e janela modal e escreve o seu
                 texto no registo de eventos e na saída de erro padrão
  --demo         estação de teste: uma guia fechada sem número de guia recebe o número
                 DEMO e um sequencial, assim as guias da amostra simulada são arquivadas
  --create-database  cria as tabelas em falta na base de dados do alias tavikdata
                 (secção &quot;databases&quot; das definições; sem ela, o ficheiro SQLite
                 tavikdata.sqlite da pasta de trabalho) e sai
  --database-role  escreve a instrução SQL que cria num servidor PostgreSQL o utilizador com
                 que a estação acede ao arquivo (a passar ao psql) e sai
A pasta de trabalho é a pasta atual.
</translation>
    </message>
</context>
<context>
    <name>TCalibrazione_Linee</name>
    <message>
        <location filename="../service/calibration.cpp" line="64"/>
        <source>Calibrazione Linee</source>
        <translation>Calibração das linhas</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="66"/>
        <source>Procedura Automatica</source>
        <translation>Procedimento automático</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="68"/>
        <source>Peso Campione</source>
        <translation>Peso de amostra</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="79"/>
        <source>Inizia</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="81"/>
        <source>Fine</source>
        <extracomment>button: ends the calibration under way (a verb)</extracomment>
        <translation>Terminar</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="90"/>
        <source>Procedura Manuale</source>
        <translation>Procedimento manual</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Linea</source>
        <translation>Linha</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- N° -</source>
        <translation>- N.º -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="110"/>
        <source>Correzione errori</source>
        <translation>Correção de erros</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>+5gr</source>
        <translation>+5g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>+1gr</source>
        <translation>+1g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>-1gr</source>
        <translation>-1g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>-5gr</source>
        <translation>-5g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="114"/>
        <source>Sovrapeso</source>
        <translation>Excesso de peso</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="115"/>
        <source>Sottopeso</source>
        <translation>Peso insuficiente</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="125"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="151"/>
        <source>calibrazione in corso...</source>
        <translation>calibração em curso...</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <location filename="../db/databaseacc.cpp" line="93"/>
        <source>Alias %1: manca il file del database SQLite</source>
        <translation>Alias %1: falta o ficheiro da base de dados SQLite</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="102"/>
        <source>Alias %1 non valido: %2</source>
        <translation>Alias %1 inválido: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="115"/>
        <source>Alias %1 non valido: %2 (atteso sqlite:FILE o postgresql://HOST:PORTA/DATABASE)</source>
        <translation>Alias %1 inválido: %2 (esperado sqlite:FILE ou postgresql://HOST:PORTA/DATABASE)</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="126"/>
        <source>L&apos;alias %1 nelle impostazioni non è un testo: %2</source>
        <translation>O alias %1 nas definições não é um texto: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="183"/>
        <location filename="../db/databaseacc.cpp" line="297"/>
        <location filename="../db/databaseacc.cpp" line="708"/>
        <source>Errore del database sulla tabella %1: %2</source>
        <translation>Erro da base de dados na tabela %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="328"/>
        <location filename="../db/databaseacc.cpp" line="677"/>
        <source>La connessione al database %1 si è interrotta; riprovare il comando</source>
        <translation>A ligação à base de dados %1 foi interrompida; repita o comando</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="336"/>
        <source>Impossibile iniziare una transazione sul database %1: %2</source>
        <translation>Não é possível iniciar uma transação na base de dados %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="345"/>
        <source>Il database %1 non ha accettato le modifiche: %2</source>
        <translation>A base de dados %1 não aceitou as alterações: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="369"/>
        <source>Il database %1 non esiste: crearlo con &quot;campionatrice --create-database&quot;</source>
        <translation>A base de dados %1 não existe: crie-a com &quot;campionatrice --create-database&quot;</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="373"/>
        <source>Il driver di database %1 non è installato</source>
        <translation>O controlador de base de dados %1 não está instalado</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="403"/>
        <source>Impossibile aprire il database %1: %2</source>
        <translation>Não é possível abrir a base de dados %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="419"/>
        <source>Impossibile usare il database %1: %2</source>
        <translation>Não é possível usar a base de dados %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="473"/>
        <source>Impossibile leggere il database %1: %2</source>
        <translation>Não é possível ler a base de dados %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="486"/>
        <source>Creazione della tabella %1 non riuscita: %2</source>
        <translation>Não foi possível criar a tabela %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="598"/>
        <source>Il valore %1 non entra nel campo %2</source>
        <translation>O valor %1 não cabe no campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="672"/>
        <source>La tabella %1 non è in modifica</source>
        <translation>A tabela %1 não está em edição</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="731"/>
        <source>La tabella %1 non esiste nel database</source>
        <translation>A tabela %1 não existe na base de dados</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="941"/>
        <source>La tabella %1 non ha un record corrente da modificare</source>
        <translation>A tabela %1 não tem um registo atual para alterar</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="987"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido para o campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="996"/>
        <source>&apos;%1&apos; non è un numero valido per il campo %2</source>
        <translation>&apos;%1&apos; não é um número válido para o campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1004"/>
        <source>&apos;%1&apos; non è una data valida per il campo %2</source>
        <translation>&apos;%1&apos; não é uma data válida para o campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1027"/>
        <source>Il campo &apos;%1&apos; della tabella %2 deve avere un valore</source>
        <translation>O campo &apos;%1&apos; da tabela %2 deve ter um valor</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1062"/>
        <source>Nessun numero libero nella tabella %1: altre stazioni la cambiano senza sosta</source>
        <translation>Nenhum número livre na tabela %1: outras estações alteram-na sem parar</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1069"/>
        <source>Il record della tabella %1 contiene un valore non valido e non è stato salvato</source>
        <translation>O registo da tabela %1 contém um valor inválido e não foi guardado</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1112"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: la modifica non è stata salvata. Rileggere i dati e riprovare.</source>
        <translation>O registo da tabela %1 foi alterado ou eliminado por outra estação: a alteração não foi guardada. Volte a ler os dados e tente de novo.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1131"/>
        <source>La tabella %1 non ha un record corrente da cancellare</source>
        <translation>A tabela %1 não tem um registo atual para eliminar</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1152"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: non è stato cancellato.</source>
        <translation>O registo da tabela %1 foi alterado ou eliminado por outra estação: não foi eliminado.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1190"/>
        <source>La tabella %1 non ha il campo %2</source>
        <translation>A tabela %1 não tem o campo %2</translation>
    </message>
</context>
<context>
    <name>TErr_map</name>
    <message>
        <location filename="../reject/errmap.cpp" line="10"/>
        <source>Programma Peso = 0</source>
        <translation>Programa peso = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="11"/>
        <source>Set-Up Singola/Doppia</source>
        <translation>Configuração simples/dupla</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="12"/>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Configuração: os dois relés de carga = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="13"/>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Configuração: os dois relés de descarga = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="14"/>
        <source>Set-Up k-Peso = 0</source>
        <translation>Configuração: k-peso = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="15"/>
        <source>rele Scarico Destro non assegnato</source>
        <translation>relé de descarga direito não atribuído</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="16"/>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>relé de descarga esquerdo não atribuído</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="17"/>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Dupla: falta 1 relé ou 1 sensor de carga</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="18"/>
        <source>comandi J/K errati</source>
        <translation>comandos J/K incorretos</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="19"/>
        <source>Ciclo On Tara valore errato</source>
        <translation>Ciclo On Tara: valor incorreto</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="20"/>
        <source>seriale Ricezione buffer pieno</source>
        <translation>série: buffer de receção cheio</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="21"/>
        <source>seriale Trasmissione Time-Out</source>
        <translation>série: tempo de transmissão esgotado</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="30"/>
        <source>Errori Centralina Scarti</source>
        <translation>Erros da central de refugos</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="61"/>
        <source>Codici di errore sconosciuti: %1</source>
        <translation>Códigos de erro desconhecidos: %1</translation>
    </message>
</context>
<context>
    <name>TImpAzienda</name>
    <message>
        <location filename="../lots/costs.cpp" line="192"/>
        <source>Impostazione Azienda</source>
        <translation>Dados da empresa</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="194"/>
        <source>Intestazione Azienda</source>
        <translation>Cabeçalho da empresa</translation>
    </message>
</context>
<context>
    <name>TImpCosti</name>
    <message>
        <location filename="../lots/costs.cpp" line="96"/>
        <source>Categoria %1: il numero di persone deve essere un numero intero da 0 a %2</source>
        <translation>Categoria %1: o número de pessoas deve ser um número inteiro de 0 a %2</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="100"/>
        <source>Categoria %1: il costo orario deve essere da 0 a %2 lire (%3 EUR)</source>
        <translation>Categoria %1: o custo horário deve estar entre 0 e %2 liras (%3 EUR)</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="111"/>
        <source>Impostazione Costi</source>
        <translation>Definição de custos</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="114"/>
        <source>N. Persone</source>
        <translation>N.º pessoas</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="115"/>
        <source>Costo Orario</source>
        <translation>Custo horário</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="129"/>
        <source>Categoria %1</source>
        <translation>Categoria %1</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="158"/>
        <source>Costo orario complessivo</source>
        <translation>Custo horário total</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="161"/>
        <source>Costo / Minuto</source>
        <translation>Custo / minuto</translation>
    </message>
</context>
<context>
    <name>TInstallazione</name>
    <message>
        <location filename="../setup/installation.cpp" line="41"/>
        <source>%1: scrivere un numero da %2 a %3 (ora &quot;%4&quot;)</source>
        <translation>%1: introduza um número de %2 a %3 (agora &quot;%4&quot;)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="89"/>
        <location filename="../setup/installation.cpp" line="261"/>
        <source>ritardo FC</source>
        <translation>atraso FA</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="91"/>
        <location filename="../setup/installation.cpp" line="198"/>
        <source>Durata Att.</source>
        <translation>Duração at.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="93"/>
        <location filename="../setup/installation.cpp" line="245"/>
        <source>Rit. Tara</source>
        <translation>Atr. tara</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="94"/>
        <location filename="../setup/installation.cpp" line="257"/>
        <source>Dist. FC</source>
        <translation>Dist. FA</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="95"/>
        <location filename="../setup/installation.cpp" line="259"/>
        <source>Durata FC</source>
        <translation>Duração FA</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="97"/>
        <source>Distanza Uscite, Us. %1</source>
        <translation>Distância das saídas, Saída %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="98"/>
        <location filename="../setup/installation.cpp" line="214"/>
        <source>Apertura Magneti</source>
        <translation>Abertura dos ímanes</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="99"/>
        <location filename="../setup/installation.cpp" line="212"/>
        <source>Fase Zero Encoder</source>
        <translation>Fase zero do encoder</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="101"/>
        <source>Lettura I, Linea %1</source>
        <translation>Leitura I, linha %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="102"/>
        <source>Lettura F, Linea %1</source>
        <translation>Leitura F, linha %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="105"/>
        <source>Lettura I/F, Linea %1: l&apos;inizio (%2) deve venire prima della fine (%3)</source>
        <translation>Leitura I/F, linha %1: o início (%2) deve vir antes do fim (%3)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="109"/>
        <source>K-peso, Linea %1</source>
        <translation>K-peso, linha %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="113"/>
        <location filename="../setup/installation.cpp" line="249"/>
        <source>Numero Tazze/L.</source>
        <translation>Número de copos/L.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="163"/>
        <source>non abilitata</source>
        <translation>não ativada</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="171"/>
        <source>Installazione</source>
        <translation>Instalação</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="177"/>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale Centralina</source>
        <translation>Série central</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Barcode</source>
        <translation>Série leitor códigos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Scarti</source>
        <translation>Série unidade refugos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>variabile</source>
        <translation>variável</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="192"/>
        <source>Numero linee</source>
        <translation>Número de linhas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="194"/>
        <source>Numero Uscite</source>
        <translation>Número de saídas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="196"/>
        <source>Tipo attiv. Magn.</source>
        <translation>Tipo ativ. ímanes</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="203"/>
        <source>verso rotazione encoder</source>
        <translation>sentido de rotação do encoder</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="208"/>
        <source>Parametri Pesatura</source>
        <translation>Parâmetros de pesagem</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="217"/>
        <source>Qualità%1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="219"/>
        <source>Linea %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="231"/>
        <source>Lettura I/F</source>
        <translation>Leitura I/F</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="232"/>
        <source>K-peso</source>
        <translation>K-peso</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="233"/>
        <source>Qualita linee</source>
        <translation>Qualidade por linha</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="238"/>
        <source>Sistema Tara</source>
        <translation>Sistema de tara</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/LINEA</source>
        <translation>TARA/LINHA</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/TAZZA</source>
        <translation>TARA/COPO</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="242"/>
        <source>TARA INC.(%1gr)</source>
        <translation>TARA INC.(%1g)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="247"/>
        <source>Tipo Tara</source>
        <translation>Tipo de tara</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="252"/>
        <source>Fine Campione</source>
        <translation>Fim da amostra</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="267"/>
        <source>Uscite</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="269"/>
        <source>Distanza Uscite</source>
        <translation>Distância das saídas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="273"/>
        <source>Us. %1</source>
        <translation>Saída %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="281"/>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="284"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>orario</source>
        <translation>horário</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>antiorario</source>
        <translation>anti-horário</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>60% /3 Passi</source>
        <translation>60% /3 passos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>100% /3 Passi</source>
        <translation>100% /3 passos</translation>
    </message>
</context>
<context>
    <name>TListaBolla</name>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Lista Bolle</source>
        <translation>Lista de guias</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Numero  Bolle</source>
        <translation>Número de guias</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Selezionare la Bolla</source>
        <translation>Selecione a guia</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="12"/>
        <source>Partita</source>
        <extracomment>check box: print the lot projected onto its whole quantity</extracomment>
        <translation>Lote</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="14"/>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
</context>
<context>
    <name>TListaProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Lista Produttori</source>
        <translation>Lista de produtores</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <source>Numero  Produttori</source>
        <translation>Número de produtores</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="101"/>
        <source>Selezionare il produttore</source>
        <translation>Selecione o produtor</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Numero Produttori</source>
        <translation>Número de produtores</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>selezionare il produttore</source>
        <translation>selecione o produtor</translation>
    </message>
</context>
<context>
    <name>TListaProgrammi</name>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Lista Programmi</source>
        <translation>Lista de programas</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Numero  Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="6"/>
        <source>Selezionare il programma: un clic o Invio lo sceglie, Esc annulla</source>
        <translation>Selecione o programa: um clique ou Enter escolhe-o, Esc cancela</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <location filename="../app/station.cpp" line="1295"/>
        <source>Morvel Campionatrice</source>
        <translation>Morvel Amostradora</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="171"/>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Trabalho</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="180"/>
        <source>Programma  (F2)</source>
        <translation>Programa  (F2)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="182"/>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Modificar P/S  (F6)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="183"/>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Colocar a zero   (F8)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="184"/>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Dados   (F3)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="185"/>
        <source>&amp;Totali</source>
        <translation>&amp;Totais</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="186"/>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Imprimir   (F7)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="187"/>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Fim do trabalho (F9)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="189"/>
        <source>&amp;Programmi</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="197"/>
        <location filename="../app/tmain.cpp" line="215"/>
        <location filename="../app/tmain.cpp" line="229"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="198"/>
        <location filename="../app/tmain.cpp" line="230"/>
        <source>&amp;Nuovo</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="199"/>
        <source>Co&amp;pia</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="200"/>
        <location filename="../app/tmain.cpp" line="217"/>
        <location filename="../app/tmain.cpp" line="231"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="201"/>
        <location filename="../app/tmain.cpp" line="218"/>
        <location filename="../app/tmain.cpp" line="232"/>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="205"/>
        <source>Control dbase</source>
        <translation>Controlo da base de dados</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="213"/>
        <source>&amp;Bolle</source>
        <translation>&amp;Guias</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="216"/>
        <source>&amp;Nuova</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="220"/>
        <source>&amp;Opzioni Archivio</source>
        <translation>&amp;Opções de arquivo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="222"/>
        <source>esporta per Date</source>
        <translation>exportar por datas</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="223"/>
        <source>esporta giornaliero</source>
        <translation>exportar diário</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="225"/>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Apagar guias</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="227"/>
        <source>Pro&amp;duttori</source>
        <translation>Pro&amp;dutores</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="235"/>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Apagar produtores</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="238"/>
        <location filename="../app/tmain.cpp" line="240"/>
        <source>&amp;Fine</source>
        <extracomment>menu: leaving the program</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="242"/>
        <source>&amp;Servizio</source>
        <translation>&amp;Serviço</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="244"/>
        <source>&amp;Installazione</source>
        <translation>&amp;Instalação</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="248"/>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Calibradora</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="249"/>
        <source>&amp;Programma</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="251"/>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Guardar na pen USB</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="254"/>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restaurar da pen USB</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="258"/>
        <source>&amp;Assistenza</source>
        <translation>&amp;Assistência</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="261"/>
        <source>Controllo CE&amp;LLE</source>
        <translation>Controlo das CÉ&amp;LULAS</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="262"/>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Memorizado</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="263"/>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="264"/>
        <source>&amp;Test Magneti</source>
        <translation>&amp;Teste dos ímanes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="265"/>
        <source>Co&amp;ntrollo Tazze</source>
        <translation>Co&amp;ntrolo dos copos</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="266"/>
        <source>&amp;Calibrazione</source>
        <translation>&amp;Calibração</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="267"/>
        <source>Ta&amp;bella Tara</source>
        <translation>Ta&amp;bela de taras</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="268"/>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Osciloscópio</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="269"/>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reiniciar central</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="271"/>
        <source>Co&amp;ntrollo Remoto</source>
        <translation>Co&amp;ntrolo remoto</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="275"/>
        <source>&amp;Settaggi</source>
        <translation>&amp;Definições</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="276"/>
        <source>&amp;Connesione</source>
        <translation>&amp;Ligação</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="277"/>
        <source>&amp;Disconnetti</source>
        <translation>&amp;Desligar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="279"/>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Atualizar tempos de refugo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="280"/>
        <source>Mappa errori Kestin</source>
        <translation>Mapa de erros Kestin</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="282"/>
        <source>Costi personale</source>
        <translation>Custos de pessoal</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="283"/>
        <source>Dati azienda</source>
        <translation>Dados da empresa</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="287"/>
        <source>&amp;Lingua</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Spagnolo</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Portoghese</source>
        <translation>Português</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Inglese</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Francese</source>
        <translation>Francês</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Tedesco</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Greco</source>
        <translation>Grego</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Cinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Russo</source>
        <translation>Russo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="298"/>
        <source>Indiano</source>
        <translation>Indiano</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="305"/>
        <source>&amp;Aiuto</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="307"/>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Procurar atualizações online</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="323"/>
        <source>Percentuale</source>
        <translation>Percentagem</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="363"/>
        <location filename="../app/tmain.cpp" line="399"/>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="401"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="411"/>
        <source>Bolla</source>
        <extracomment>the delivery note of the lot being sampled</extracomment>
        <translation>Guia</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="419"/>
        <source>Numero Bolla:</source>
        <translation>Número da guia:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="421"/>
        <source>Totale Partita kg:</source>
        <translation>Total do lote kg:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="423"/>
        <source>Preview stampa</source>
        <translation>Pré-visualizar impressão</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="429"/>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="435"/>
        <source>tazze sbagliate</source>
        <translation>copos errados</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="440"/>
        <source>Tazza</source>
        <translation>Copo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="444"/>
        <source>Blocco Alimentazione</source>
        <translation>Alimentação bloqueada</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="459"/>
        <source>lista Barcode </source>
        <translation>lista de códigos de barras </translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="626"/>
        <source>Programma %1</source>
        <translation>Programa %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="627"/>
        <source>non in archivio</source>
        <translation>não está no arquivo</translation>
    </message>
</context>
<context>
    <name>TModDati</name>
    <message>
        <location filename="../lots/tmoddati.cpp" line="14"/>
        <source>Dati Bolla</source>
        <translation>Dados da guia</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="33"/>
        <source>Bolla ritiro N:</source>
        <translation>Guia de receção n.º:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="34"/>
        <source>Totale Partita kg:</source>
        <translation>Total do lote kg:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="37"/>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="39"/>
        <source>Cambia</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="46"/>
        <source>Codice :</source>
        <translation>Código :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="47"/>
        <source>Descrizione :</source>
        <translation>Descrição :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="50"/>
        <source>Note :</source>
        <translation>Notas :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="53"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TNewBolla</name>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="52"/>
        <location filename="../lots/tnewbolla.cpp" line="73"/>
        <source>Bolla</source>
        <translation>Guia</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="59"/>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="85"/>
        <source>Numero :</source>
        <translation>Número :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="87"/>
        <source>Data Bolla</source>
        <translation>Data da guia</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="92"/>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="97"/>
        <source>Cambia</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="102"/>
        <source>Codice :</source>
        <translation>Código :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="110"/>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="118"/>
        <source>Tot Partita</source>
        <translation>Tot. lote</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="127"/>
        <source>Codice a Barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="138"/>
        <source>Ripartizione Calibri</source>
        <translation>Repartição de calibres</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Percentuale</source>
        <translation>Percentagem</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="173"/>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="201"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="206"/>
        <source>Ricalcolo</source>
        <translation>Recálculo</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="208"/>
        <source>Partita</source>
        <translation>Lote</translation>
    </message>
</context>
<context>
    <name>TNewProgram</name>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="36"/>
        <source>Nuovo programma</source>
        <translation>Novo programa</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="45"/>
        <source>Descrizione</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="47"/>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="60"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="87"/>
        <source>Pesi Qualita %1</source>
        <translation>Pesos qualidade %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="91"/>
        <source>Classe</source>
        <translation>Classe</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="92"/>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="93"/>
        <source>Peso minimo</source>
        <translation>Peso mínimo</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="94"/>
        <source>Peso massimo</source>
        <translation>Peso máximo</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="95"/>
        <source>Uscita %1</source>
        <translation>Saída %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="246"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido</translation>
    </message>
</context>
<context>
    <name>TParProg</name>
    <message>
        <location filename="../setup/installation.cpp" line="439"/>
        <source>Parametri  Programma</source>
        <translation>Parâmetros do programa</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="441"/>
        <source>Flag Generali</source>
        <translation>Indicadores gerais</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="449"/>
        <source>Archiviazione</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="450"/>
        <source>Stampa grammature</source>
        <translation>Imprimir pesos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="451"/>
        <source>Trasmis. al remoto</source>
        <translation>Transmis. ao remoto</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="452"/>
        <source>Stampa Bolla</source>
        <translation>Imprimir guia</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="453"/>
        <source>Fine Partita Autom.</source>
        <translation>Fim de lote autom.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="454"/>
        <source>Totali espressi in</source>
        <translation>Totais expressos em</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>grammi</source>
        <translation>gramas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>Kilogrammi</source>
        <translation>Quilogramas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="467"/>
        <source>Numero Copie Bolle</source>
        <translation>Número de cópias das guias</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="477"/>
        <source>Auto Rinfresco Totali</source>
        <translation>Atualização automática dos totais</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="482"/>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Aviso de limite de percentagem atingido</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="493"/>
        <source>Limite Perc. Q%1</source>
        <translation>Limite perc. Q%1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="501"/>
        <source>Directory esp-AS400</source>
        <translation>Pasta exp. AS400</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="505"/>
        <source>Sfoglia..</source>
        <translation>Procurar..</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="511"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TPeriodoStampa</name>
    <message>
        <location filename="../reports/reports.cpp" line="38"/>
        <source>Periodo</source>
        <translation>Período</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="49"/>
        <source>Dal</source>
        <translation>De</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="50"/>
        <source>Al</source>
        <translation>Até</translation>
    </message>
</context>
<context>
    <name>TProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="111"/>
        <source>Dato Produttore</source>
        <translation>Dados do produtor</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="121"/>
        <source>codice produttore</source>
        <translation>código do produtor</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="122"/>
        <source>descrizione produttore</source>
        <translation>descrição do produtor</translation>
    </message>
</context>
<context>
    <name>TRicercaBolle</name>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="20"/>
        <source>Ricerca Bolle</source>
        <translation>Pesquisa de guias</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="22"/>
        <source>Cerca le bolle</source>
        <translation>Procurar guias</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="24"/>
        <source>Dal</source>
        <translation>De</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="41"/>
        <source>al</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="47"/>
        <source>Cambia</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="55"/>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="66"/>
        <source>Bolla N.</source>
        <translation>Guia n.º</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="68"/>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="70"/>
        <source>Cerca</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="78"/>
        <source>Numero  Bolle</source>
        <translation>Número de guias</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="101"/>
        <source>Esporta per AS400</source>
        <translation>Exportar para AS400</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="103"/>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="104"/>
        <source>Apri</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="142"/>
        <source>(tutti)</source>
        <translation>(todos)</translation>
    </message>
</context>
<context>
    <name>TTestCelle</name>
    <message>
        <location filename="../service/machinetests.cpp" line="84"/>
        <source>Test Celle</source>
        <translation>Teste das células</translation>
    </message>
</context>
<context>
    <name>TTestEncoder</name>
    <message>
        <location filename="../service/machinetests.cpp" line="112"/>
        <source>Test Encoder</source>
        <translation>Teste do encoder</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="116"/>
        <source>N. Giro</source>
        <translation>N.º volta</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="118"/>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Ultimo Errore</source>
        <translation>Último erro</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Penultimo Errore</source>
        <translation>Penúltimo erro</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Terzultimo Errore</source>
        <translation>Antepenúltimo erro</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quartultimo Errore</source>
        <translation>Quarto a último erro</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quintultimo Errore</source>
        <translation>Quinto a último erro</translation>
    </message>
</context>
<context>
    <name>TTestMagneti</name>
    <message>
        <location filename="../service/machinetests.cpp" line="131"/>
        <source>Test Magneti</source>
        <translation>Teste dos ímanes</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="137"/>
        <source>Uscita N.</source>
        <translation>Saída n.º</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="144"/>
        <source>Inizio</source>
        <extracomment>button: starts the test of the chosen exit (a verb)</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="154"/>
        <source>Test Dinamico</source>
        <translation>Teste dinâmico</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="155"/>
        <source>Test Statico</source>
        <translation>Teste estático</translation>
    </message>
</context>
<context>
    <name>TTestMem</name>
    <message>
        <location filename="../service/machinetests.cpp" line="95"/>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>TESTE DE LÍQUIDO MEMORIZADO</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>N. TAZZA</source>
        <translation>N.º COPO</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>TARA</source>
        <translation>TARA</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>NETTO</source>
        <translation>LÍQUIDO</translation>
    </message>
</context>
<context>
    <name>TTestOscilloscopio</name>
    <message>
        <location filename="../service/oscilloscope.cpp" line="131"/>
        <source>Funzione Oscilloscopio</source>
        <translation>Função osciloscópio</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="137"/>
        <source>Linea in esame</source>
        <translation>Linha em exame</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="143"/>
        <source>Tazza</source>
        <translation>Copo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="146"/>
        <source>minimo</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="149"/>
        <source>massimo</source>
        <translation>máximo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="152"/>
        <source>Soglia lnnesco</source>
        <translation>Limiar de disparo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="160"/>
        <source>Finestre di lettura</source>
        <translation>Janelas de leitura</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="163"/>
        <source>Inizio</source>
        <extracomment>column heading: the sample where the reading window starts</extracomment>
        <translation>Início</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="165"/>
        <source>Fine</source>
        <extracomment>column heading: the sample where the reading window ends</extracomment>
        <translation>Fim</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="167"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="177"/>
        <source>Regolazione Fase</source>
        <translation>Regulação de fase</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="179"/>
        <source>Fase Zero</source>
        <translation>Fase zero</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="184"/>
        <source>Aggiorna</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="188"/>
        <source>Salva su File</source>
        <translation>Guardar em ficheiro</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="192"/>
        <source>Copertura</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="202"/>
        <source>Cattura</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="203"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="204"/>
        <source>Globale</source>
        <translation>Global</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="216"/>
        <source>finestra di lettura</source>
        <translation>janela de leitura</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="219"/>
        <source>fuori finestra</source>
        <translation>fora da janela</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="229"/>
        <source>campione</source>
        <translation>amostra</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="234"/>
        <source>peso (g)</source>
        <translation>peso (g)</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="267"/>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>cattura</source>
        <translation>capturar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>Ferma</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="301"/>
        <source>Tracce senza tazza valida: %1</source>
        <translation>Traços sem copo válido: %1</translation>
    </message>
</context>
<context>
    <name>TTestTazzeVuote</name>
    <message>
        <location filename="../service/machinetests.cpp" line="160"/>
        <source>Test Tazze Vuote</source>
        <translation>Teste dos copos vazios</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="163"/>
        <source>Numero Tazza</source>
        <translation>Número do copo</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="164"/>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="166"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="174"/>
        <source>Limite +/-</source>
        <translation>Limite +/-</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="184"/>
        <source>Inizio</source>
        <extracomment>button: starts the empty-cup test (a verb)</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="190"/>
        <source>Questa fuzione serve a localizzare Tazze / Carrelli difettosi.
Le tazze che a vuoto si discostano oltre il limite impostato sia in 
positivo che in negativo saranno attivate sull&apos;uscita 1</source>
        <translation>Esta função serve para localizar copos / carros defeituosos.
Os copos que em vazio se desviam além do limite definido, tanto em 
positivo como em negativo, serão ativados na saída 1</translation>
    </message>
</context>
<context>
    <name>Texpfiltdata</name>
    <message>
        <location filename="../export/expfildata.cpp" line="171"/>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Exportar guias com filtro por DATA</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="183"/>
        <source>Data inizio</source>
        <translation>Data inicial</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="184"/>
        <source>Data Fine</source>
        <translation>Data final</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="185"/>
        <source>ESPORTA</source>
        <translation>EXPORTAR</translation>
    </message>
</context>
<context>
    <name>Tpasswd</name>
    <message>
        <location filename="../setup/installation.cpp" line="380"/>
        <source>Password Accesso Servizio</source>
        <translation>Palavra-passe de acesso ao serviço</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="382"/>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="387"/>
        <source>Entra</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>TrasfView</name>
    <message>
        <location filename="../service/machinetests.cpp" line="206"/>
        <source>Trasferimento dati</source>
        <translation>Transferência de dados</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="209"/>
        <source>Trasferimento dati in corso...</source>
        <translation>Transferência de dados em curso...</translation>
    </message>
</context>
<context>
    <name>Ttabtara</name>
    <message>
        <location filename="../service/machinetests.cpp" line="220"/>
        <source>TABELLA TARA</source>
        <translation>TABELA DE TARAS</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>Tazza</source>
        <translation>Copo</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 1</source>
        <translation>L 1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 2</source>
        <translation>L 2</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 3</source>
        <translation>L 3</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 4</source>
        <translation>L 4</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="229"/>
        <source>Rinfresca</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>cSelvik</name>
    <message>
        <location filename="../link/cSelvik.cpp" line="333"/>
        <source>Il comando R non ha ricevuto una risposta corretta</source>
        <translation>O comando R não recebeu uma resposta correta</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>0 - Accesa    </source>
        <translation>0 - Ligada</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>1 - Stand By</source>
        <translation>1 - Em espera</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Espera encoder</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>3 - Tara iniziale</source>
        <translation>3 - Tara inicial</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>4 - Lavorazione</source>
        <translation>4 - Em trabalho</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>5 - Fine partita</source>
        <translation>5 - Fim de lote</translation>
    </message>
</context>
<context>
    <name>inifile</name>
    <message>
        <location filename="../config/inifile.cpp" line="44"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <location filename="../config/inifile.cpp" line="78"/>
        <location filename="../config/inifile.cpp" line="82"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
</context>
<context>
    <name>printboll</name>
    <message>
        <location filename="../reports/printboll.cpp" line="19"/>
        <source>QUALITA %1</source>
        <translation>QUALIDADE %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="22"/>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="23"/>
        <source>peso</source>
        <translation>peso</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="24"/>
        <location filename="../reports/printboll.cpp" line="122"/>
        <source>Totali</source>
        <translation>Totais</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="25"/>
        <location filename="../reports/printboll.cpp" line="123"/>
        <source>Perc.</source>
        <translation>Perc.</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla in corso</source>
        <translation>Guia em curso</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla %1</source>
        <translation>Guia %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="81"/>
        <source>STAMPA BOLLA</source>
        <translation>IMPRESSÃO DA GUIA</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="82"/>
        <source>Data :</source>
        <translation>Data :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="87"/>
        <source>Totali Temporanei</source>
        <translation>Totais provisórios</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="89"/>
        <source>Numero Bolla:</source>
        <translation>Número da guia:</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="91"/>
        <source>Numero Registrazione :</source>
        <translation>Número de registo :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Codice Programma :</source>
        <translation>Código do programa :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Descrizione programma</source>
        <translation>Descrição do programa</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Codice Produttore :</source>
        <translation>Código do produtor :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Descrizione produttore</source>
        <translation>Descrição do produtor</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="127"/>
        <source>Totale Q%1</source>
        <translation>Total Q%1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="140"/>
        <source>Totale Generale</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="144"/>
        <source>Totale Partita</source>
        <translation>Total do lote</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="148"/>
        <source>Note:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>printprog</name>
    <message>
        <location filename="../reports/printprog.cpp" line="20"/>
        <source>Data :</source>
        <translation>Data :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="40"/>
        <source>Programma %1</source>
        <translation>Programa %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="42"/>
        <source>STAMPA PROGRAMMA</source>
        <translation>IMPRESSÃO DO PROGRAMA</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="43"/>
        <source>Programma :</source>
        <translation>Programa :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="46"/>
        <source>Descrizione:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="56"/>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="58"/>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="59"/>
        <source>Pesi</source>
        <translation>Pesos</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="79"/>
        <source>Installazione</source>
        <translation>Instalação</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="81"/>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>IMPRESSÃO DA INSTALAÇÃO</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Linee =</source>
        <translation>Número de linhas =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Tazze =</source>
        <translation>Número de copos =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Ritardo Tara =</source>
        <translation>Atraso tara =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Tipo Tara =</source>
        <translation>Tipo de tara =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Direzione encoder =</source>
        <translation>Sentido do encoder =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Zero Encoder =</source>
        <translation>Zero encoder =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="91"/>
        <source>Fine Campione</source>
        <translation>Fim da amostra</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="92"/>
        <source>Distanza FC =</source>
        <translation>Distância FA =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="93"/>
        <source>Durata FC =</source>
        <translation>Duração FA =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="100"/>
        <source>punto iniz. peso L%1 =</source>
        <translation>ponto inicial peso L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="101"/>
        <source>punto Fine peso L%1 =</source>
        <translation>ponto final peso L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="102"/>
        <source>Kappa  L%1 =</source>
        <translation>Kappa  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="103"/>
        <source>Qualità  L%1 =</source>
        <translation>Qualidade  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="108"/>
        <source>Seriale Centralina =</source>
        <translation>Série central =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="109"/>
        <source>Seriale  Barcode   =</source>
        <translation>Série  código barras =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="110"/>
        <source>Seriale  Scarti       =</source>
        <translation>Série  refugos       =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="125"/>
        <source>Produttore %1</source>
        <translation>Produtor %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="133"/>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="134"/>
        <source>Bolla</source>
        <translation>Guia</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="135"/>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="136"/>
        <source>Qualita %1 (%2 / %)</source>
        <translation>Qualidade %1 (%2 / %)</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="137"/>
        <source>Totale %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="152"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="161"/>
        <source>RIEPILOGO BOLLE PRODUTTORE</source>
        <translation>RESUMO DAS GUIAS DO PRODUTOR</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="162"/>
        <source>Produttore: %1  %2</source>
        <translation>Produtor: %1  %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="163"/>
        <source>dal %1 al %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="174"/>
        <source>Pagina %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>sidefile</name>
    <message>
        <location filename="../base/sidefile.cpp" line="11"/>
        <location filename="../base/sidefile.cpp" line="15"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Não é possível escrever o ficheiro %1: %2</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location filename="../base/text.cpp" line="96"/>
        <source>Il carattere &apos;%1&apos; non può essere scritto in %2: usare solo lettere, cifre e segni dell&apos;alfabeto latino</source>
        <translation>O carácter &apos;%1&apos; não pode ser escrito em %2: use apenas letras, algarismos e sinais do alfabeto latino</translation>
    </message>
</context>
</TS>

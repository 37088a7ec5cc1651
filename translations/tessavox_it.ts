<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
</context>
<context>
    <name>AudioBackend</name>
    <message>
        <source>The command completed successfully.</source>
        <translation>Il comando è stato completato correttamente.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Errore non specificato.</translation>
    </message>
    <message>
        <source>The device number is out of range.</source>
        <translation>Il numero del dispositivo è fuori intervallo.</translation>
    </message>
    <message>
        <source>The device is not enabled.</source>
        <translation>Il dispositivo non è abilitato.</translation>
    </message>
    <message>
        <source>The device is already in use.</source>
        <translation>Il dispositivo è già in uso.</translation>
    </message>
    <message>
        <source>The device handle is not valid.</source>
        <translation>L&apos;handle del dispositivo non è valido.</translation>
    </message>
    <message>
        <source>No sound server or driver is available.</source>
        <translation>Nessun server audio o driver disponibile.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>The device does not support this operation.</source>
        <translation>Il dispositivo non supporta questa operazione.</translation>
    </message>
    <message>
        <source>An argument is not valid.</source>
        <translation>Un argomento non è valido.</translation>
    </message>
    <message>
        <source>The device cannot use this sound format.</source>
        <translation>Il dispositivo non può usare questo formato audio.</translation>
    </message>
    <message>
        <source>Buffers are still queued on the device.</source>
        <translation>Ci sono ancora buffer in coda sul dispositivo.</translation>
    </message>
    <message>
        <source>The buffer is not prepared.</source>
        <translation>Il buffer non è preparato.</translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation>Errore sconosciuto %1.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tessavox</source>
        <translation>Informazioni su Tessavox</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAudioPlayRec</name>
    <message>
        <source>Class status error</source>
        <translation>Errore di stato della classe</translation>
    </message>
    <message>
        <source>waveOutOpen() failed</source>
        <translation>waveOutOpen() non riuscita</translation>
    </message>
    <message>
        <source>Read sound data from file failed</source>
        <translation>Lettura dei dati audio dal file non riuscita</translation>
    </message>
    <message>
        <source>waveOutPrepareHeader() failed</source>
        <translation>waveOutPrepareHeader() non riuscita</translation>
    </message>
    <message>
        <source>waveOutWrite() failed</source>
        <translation>waveOutWrite() non riuscita</translation>
    </message>
    <message>
        <source>waveOutUnprepareHeader() failed</source>
        <translation>waveOutUnprepareHeader() non riuscita</translation>
    </message>
    <message>
        <source>waveOutClose() failed</source>
        <translation>waveOutClose() non riuscita</translation>
    </message>
    <message>
        <source>Error audio device</source>
        <translation>Errore del dispositivo audio</translation>
    </message>
    <message>
        <source>waveInReset() failed</source>
        <translation>waveInReset() non riuscita</translation>
    </message>
    <message>
        <source>waveOutReset() failed</source>
        <translation>waveOutReset() non riuscita</translation>
    </message>
    <message>
        <source>Playback device failed</source>
        <translation>Errore del dispositivo di riproduzione</translation>
    </message>
    <message>
        <source>waveInStart() failed</source>
        <translation>waveInStart() non riuscita</translation>
    </message>
    <message>
        <source>AddInputBufferToQueue Failed</source>
        <translation>AddInputBufferToQueue non riuscita</translation>
    </message>
    <message>
        <source>waveInAddBuffer() failed</source>
        <translation>waveInAddBuffer() non riuscita</translation>
    </message>
    <message>
        <source>waveInUnprepareHeader() failed</source>
        <translation>waveInUnprepareHeader() non riuscita</translation>
    </message>
    <message>
        <source>waveInPrepareHeader() failed</source>
        <translation>waveInPrepareHeader() non riuscita</translation>
    </message>
    <message>
        <source>waveInClose() failed</source>
        <translation>waveInClose() non riuscita</translation>
    </message>
    <message>
        <source>Recording device failed</source>
        <translation>Errore del dispositivo di registrazione</translation>
    </message>
    <message>
        <source>the recorder is busy</source>
        <translation>il registratore è occupato</translation>
    </message>
    <message>
        <source>the device failed</source>
        <translation>errore del dispositivo</translation>
    </message>
</context>
<context>
    <name>CClipFlag</name>
    <message>
        <source>The %1 channel clipped: click to clear</source>
        <translation>Il canale %1 è andato in saturazione: fare clic per azzerare</translation>
    </message>
    <message>
        <source>The %1 channel has not clipped</source>
        <translation>Il canale %1 non è andato in saturazione</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>WebSite:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>CDialogRecord</name>
    <message>
        <source>Initialize callback device failed</source>
        <translation>Inizializzazione del dispositivo di callback non riuscita</translation>
    </message>
    <message>
        <source>Mono Mixer</source>
        <translation>Mixer mono</translation>
    </message>
    <message>
        <source>Stereo Mixer</source>
        <translation>Mixer stereo</translation>
    </message>
    <message>
        <source>Single Channel</source>
        <translation>Canale singolo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be monitored: %2</source>
        <translation>Impossibile ascoltare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Monitoring of &quot;%1&quot; stopped: %2</source>
        <translation>Ascolto di &quot;%1&quot; interrotto: %2</translation>
    </message>
    <message>
        <source>The audio device is now &quot;%1&quot;</source>
        <translation>Il dispositivo audio ora è &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; no audio device is left</source>
        <translation>&quot;%1&quot; non c&apos;è più; non rimane alcun dispositivo audio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; the audio device is now &quot;%2&quot;</source>
        <translation>&quot;%1&quot; non c&apos;è più; il dispositivo audio ora è &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Monitoring stopped: %1</source>
        <translation>Ascolto interrotto: %1</translation>
    </message>
    <message>
        <source>Open file to play</source>
        <translation>Apri il file da riprodurre</translation>
    </message>
    <message>
        <source>Recording Output</source>
        <translation>File di uscita</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo di file</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source> New file every</source>
        <translation> Nuovo file ogni</translation>
    </message>
    <message>
        <source>New file every</source>
        <translation>Nuovo file ogni</translation>
    </message>
    <message>
        <source> Add date and time to the name</source>
        <translation> Aggiungi data e ora al nome</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Tipo file:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Sound-activated recording</source>
        <translation>Attivazione dal suono</translation>
    </message>
    <message>
        <source> Skip silence</source>
        <translation> Salta silenzio</translation>
    </message>
    <message>
        <source>Silence below</source>
        <translation>Silenzio sotto</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Silence after</source>
        <translation>Silenzio dopo</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source> New file for each sound</source>
        <translation> Nuovo file per ogni suono</translation>
    </message>
    <message>
        <source>after</source>
        <translation>dopo</translation>
    </message>
    <message>
        <source>Audio Capture Device</source>
        <translation>Acquisizione audio</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Dispositivo audio</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume del microfono</translation>
    </message>
    <message>
        <source>Line in</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Line in volume</source>
        <translation>Volume dell&apos;ingresso di linea</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Canale sinistro</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Canale destro</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>Bit per campione</translation>
    </message>
    <message>
        <source> Monitor input</source>
        <translation> Ascolta ingresso</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bit per campione:</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>Audio device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>Wave in device:</source>
        <translation>Ingresso:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canale:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Room for %1</source>
        <translation>Spazio per %1</translation>
    </message>
</context>
<context>
    <name>CDialogSchedule</name>
    <message>
        <source> Enable scheduled task</source>
        <translation> Attiva pianificazione</translation>
    </message>
    <message>
        <source> Start time:</source>
        <translation> Inizio:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Da lunedì a venerdì</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Ripeti:</translation>
    </message>
    <message>
        <source> Start Tessavox when I log in</source>
        <translation> Avvia Tessavox all&apos;accesso</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>Fine:</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Data di fine</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Ora attuale:</translation>
    </message>
    <message>
        <source>Scheduled Task</source>
        <translation>Pianificazione</translation>
    </message>
    <message>
        <source> Warn me when the input is silent for</source>
        <translation> Avvisa se l&apos;ingresso è silenzioso per</translation>
    </message>
    <message>
        <source>Silent for</source>
        <translation>Silenzioso per</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> Keep takes for</source>
        <translation> Conserva file per</translation>
    </message>
    <message>
        <source>Keep takes for</source>
        <translation>Conserva le registrazioni per</translation>
    </message>
    <message>
        <source> days</source>
        <translation> giorni</translation>
    </message>
</context>
<context>
    <name>CLevelMeter</name>
    <message>
        <source>%1 clipped</source>
        <translation>%1 in saturazione</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Silence below %1 dBFS</source>
        <translation>Silenzio sotto %1 dBFS</translation>
    </message>
    <message>
        <source>%1: below -60 dBFS</source>
        <translation>%1: sotto -60 dBFS</translation>
    </message>
    <message>
        <source>%1: %2 dBFS, peak held at %3 dBFS</source>
        <translation>%1: %2 dBFS, picco mantenuto a %3 dBFS</translation>
    </message>
</context>
<context>
    <name>CScheduleRun</name>
    <message>
        <source>Please check duration time in schedule panel, it&apos;s incorrect.</source>
        <translation>Controllare la durata nella pagina di pianificazione: non è corretta.</translation>
    </message>
    <message>
        <source>Please check time setting in schedule panel, it&apos;s incorrect.</source>
        <translation>Controllare l&apos;orario nella pagina di pianificazione: non è corretto.</translation>
    </message>
    <message>
        <source>Your recording will be started at %1</source>
        <translation>La registrazione inizierà alle %1</translation>
    </message>
    <message>
        <source>Your recording will be ended at %1</source>
        <translation>La registrazione terminerà alle %1</translation>
    </message>
    <message>
        <source>started late: it was due at %1</source>
        <translation>avviata in ritardo: era prevista alle %1</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: Tessavox was not running.</source>
        <translation>La registrazione pianificata da %1 a %2 non è stata eseguita: Tessavox non era in esecuzione.</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.</source>
        <translation>La registrazione pianificata da %1 a %2 non è stata eseguita: il computer era in sospensione, o il suo orologio è stato spostato, oltre la sua fine.</translation>
    </message>
    <message>
        <source>Scheduled recording failed</source>
        <translation>Registrazione pianificata non riuscita</translation>
    </message>
    <message>
        <source>Scheduled recording started</source>
        <translation>Registrazione pianificata avviata</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Registrazione pianificata terminata</translation>
    </message>
    <message>
        <source>Scheduled recording will not fit</source>
        <translation>La registrazione pianificata non entrerà nel disco</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 will not fit on the disk: there is room for %3.</source>
        <translation>La registrazione pianificata da %1 a %2 non entrerà nel disco: c&apos;è spazio per %3.</translation>
    </message>
    <message>
        <source>Do you want to schedule it anyway?</source>
        <translation>Pianificarla comunque?</translation>
    </message>
    <message>
        <source>No sound from %1 for 1 minute</source>
        <translation>Nessun suono da %1 per 1 minuto</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 minutes</source>
        <translation>Nessun suono da %1 per %2 minuti</translation>
    </message>
</context>
<context>
    <name>CTessavoxDlg</name>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Waiting for a scheduled recording</source>
        <translation>In attesa di una registrazione pianificata</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Size: 0KB</source>
        <translation>Dim.: 0KB</translation>
    </message>
    <message>
        <source>Size: 4194303KB</source>
        <translation>Dim.: 4194303KB</translation>
    </message>
    <message>
        <source>Time: 00:00:00</source>
        <translation>Tempo: 00:00:00</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>&amp;About Tessavox...</source>
        <translation>&amp;Informazioni su Tessavox...</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Pianifica</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>The saved settings could not be read; the first-start settings are shown</source>
        <translation>Impossibile leggere le impostazioni salvate; sono mostrate le impostazioni iniziali</translation>
    </message>
    <message>
        <source>Please select the audio save path.</source>
        <translation>Selezionare il percorso in cui salvare l&apos;audio.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Please tick &quot; Start time:&quot; to repeat a recording.</source>
        <translation>Spuntare &quot; Inizio:&quot; per ripetere una registrazione.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 already exist.
Do you want to replace them?</source>
        <translation>%1 esistono già.
Sostituirli?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>In attesa di suono</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>No sound came: no file was made</source>
        <translation>Nessun suono ricevuto: nessun file creato</translation>
    </message>
    <message>
        <source>Tessavox is already recording.</source>
        <translation>Tessavox sta già registrando.</translation>
    </message>
    <message>
        <source>Tessavox is playing a file; stop it first.</source>
        <translation>Tessavox sta riproducendo un file; fermarlo prima.</translation>
    </message>
    <message>
        <source>Tessavox is still closing the last recording; try again in a moment.</source>
        <translation>Tessavox sta ancora chiudendo l&apos;ultima registrazione; riprovare tra un momento.</translation>
    </message>
    <message>
        <source>Tessavox is waiting for an answer in its window.</source>
        <translation>Tessavox attende una risposta nella sua finestra.</translation>
    </message>
    <message>
        <source>The command was not carried out.</source>
        <translation>Il comando non è stato eseguito.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Stopped: the disk is nearly full</source>
        <translation>Fermato: il disco è quasi pieno</translation>
    </message>
    <message>
        <source>Recording stopped: the disk is nearly full</source>
        <translation>Registrazione fermata: il disco è quasi pieno</translation>
    </message>
    <message>
        <source>Tessavox is still running</source>
        <translation>Tessavox è ancora in esecuzione</translation>
    </message>
    <message>
        <source>The recording goes on. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>La registrazione continua. Scegliere &quot;Mostra Tessavox&quot; dalla sua icona per rivedere la finestra.</translation>
    </message>
    <message>
        <source>The scheduled recording will start as planned. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>La registrazione pianificata inizierà come previsto. Scegliere &quot;Mostra Tessavox&quot; dalla sua icona per rivedere la finestra.</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Recording %1 %2</source>
        <translation>Registrazione di %1 %2</translation>
    </message>
    <message>
        <source>Paused %1 %2</source>
        <translation>In pausa %1 %2</translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>In attesa di suono</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>Next recording at %1</source>
        <translation>Prossima registrazione: %1</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Show Tessavox</source>
        <translation>Mostra Tessavox</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Tessavox</source>
        <translation>Tessavox</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>Only one of --record, --stop and --pause can be given at a time.</source>
        <translation>Si può indicare solo una tra --record, --stop e --pause alla volta.</translation>
    </message>
    <message>
        <source>Usage: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]
Records the sound card to WAV or MP3 files. Without an option it opens its window,
or raises the one already open.

  --minimized  open the window minimised, or in the panel&apos;s icon where the
               desktop has one, keeping a saved schedule armed
  --record     press Record in the open window, opening one first if none is
  --stop       press Stop in the open window
  --pause      press Pause (or Resume) in the open window
  --help       print this help and exit
  --version    print the version and exit

A command exits with 0 when done, 1 when refused (saying why), 2 for a usage error.
</source>
        <translation>Uso: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]
Registra la scheda audio in file WAV o MP3. Senza opzioni apre la sua finestra,
o porta in primo piano quella già aperta.

  --minimized  apre la finestra ridotta a icona, o nell&apos;icona del pannello se
               il desktop ne ha una, mantenendo attiva una pianificazione salvata
  --record     preme Registra nella finestra aperta, aprendone prima una se
               non ce n&apos;è nessuna
  --stop       preme Ferma nella finestra aperta
  --pause      preme Pausa (o Riprendi) nella finestra aperta
  --help       mostra questo aiuto ed esce
  --version    mostra la versione ed esce

Un comando esce con 0 se eseguito, 1 se rifiutato (spiegando perché), 2 per un
errore d&apos;uso.
</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>not a FLAC stream</source>
        <translation>non è un flusso FLAC</translation>
    </message>
    <message>
        <source>%1 channels; only mono and stereo are played</source>
        <translation>%1 canali; si riproducono solo mono e stereo</translation>
    </message>
    <message>
        <source>no MPEG audio frames found</source>
        <translation>nessun frame audio MPEG trovato</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>impossibile leggere il file</translation>
    </message>
    <message>
        <source>not an Ogg Opus stream</source>
        <translation>non è un flusso Ogg Opus</translation>
    </message>
    <message>
        <source>an Ogg Opus version that is not known</source>
        <translation>una versione di Ogg Opus sconosciuta</translation>
    </message>
    <message>
        <source>its Opus header is damaged</source>
        <translation>la sua intestazione Opus è danneggiata</translation>
    </message>
    <message>
        <source>its stream is damaged</source>
        <translation>il suo flusso è danneggiato</translation>
    </message>
    <message>
        <source>it cannot be decoded (error %1)</source>
        <translation>impossibile decodificarlo (errore %1)</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Impossibile riprodurre %1: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Apertura del file wave non riuscita</translation>
    </message>
    <message>
        <source>Error descending into file</source>
        <translation>Errore nella discesa nel file</translation>
    </message>
    <message>
        <source>Error descending in wave file</source>
        <translation>Errore nella discesa nel file wave</translation>
    </message>
    <message>
        <source>Error ascending in File</source>
        <translation>Errore nella risalita nel file</translation>
    </message>
    <message>
        <source>error reading data chunk</source>
        <translation>errore nella lettura del blocco dati</translation>
    </message>
</context>
<context>
    <name>ElapsedDisplay</name>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Size: %1KB</source>
        <translation>Dim.: %1KB</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>mp3 files(*.mp3)|*.mp3||</source>
        <translation>file mp3(*.mp3)|*.mp3||</translation>
    </message>
    <message>
        <source>MP3 files(*.mp3)|*.mp3</source>
        <translation>File MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||</source>
        <translation>file wav(*.wav)|*.wav|file wave(*.wave)|*.wave||</translation>
    </message>
    <message>
        <source>Wave files(*.wav)|*.wav</source>
        <translation>File wave(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>flac files(*.flac)|*.flac||</source>
        <translation>file flac(*.flac)|*.flac||</translation>
    </message>
    <message>
        <source>FLAC files(*.flac)|*.flac</source>
        <translation>File FLAC(*.flac)|*.flac</translation>
    </message>
    <message>
        <source>opus files(*.opus)|*.opus||</source>
        <translation>file opus(*.opus)|*.opus||</translation>
    </message>
    <message>
        <source>Opus files(*.opus)|*.opus</source>
        <translation>File Opus(*.opus)|*.opus</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>File audio (%1)</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Tessavox is not running.</source>
        <translation>Tessavox non è in esecuzione.</translation>
    </message>
    <message>
        <source>Tessavox is not running, or cannot be reached: there is no session bus.</source>
        <translation>Tessavox non è in esecuzione, o non è raggiungibile: non c&apos;è un bus di sessione.</translation>
    </message>
    <message>
        <source>Tessavox is running but did not answer: %1</source>
        <translation>Tessavox è in esecuzione ma non ha risposto: %1</translation>
    </message>
</context>
<context>
    <name>OldTakes</name>
    <message>
        <source>Moved 1 old take to the trash</source>
        <translation>1 vecchia registrazione spostata nel cestino</translation>
    </message>
    <message>
        <source>Moved %1 old takes to the trash</source>
        <translation>%1 vecchie registrazioni spostate nel cestino</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash: %2</source>
        <translation>Impossibile spostare %1 nel cestino: %2</translation>
    </message>
    <message>
        <source>Could not move %1 old takes to the trash; %2: %3</source>
        <translation>Impossibile spostare %1 vecchie registrazioni nel cestino; %2: %3</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>Write file failed</source>
        <translation>Scrittura del file non riuscita</translation>
    </message>
    <message>
        <source>Cannot record %1 bits %2</source>
        <translation>Impossibile registrare a %1 bit %2</translation>
    </message>
    <message>
        <source>Cannot record %1 Hz %2</source>
        <translation>Impossibile registrare a %1 Hz %2</translation>
    </message>
    <message>
        <source>Error loading lame_enc.DLL</source>
        <translation>Errore nel caricamento di lame_enc.DLL</translation>
    </message>
    <message>
        <source>Unable to get LAME interfaces</source>
        <translation>Impossibile ottenere le interfacce LAME</translation>
    </message>
    <message>
        <source>Error opening encoding stream (%1)</source>
        <translation>Errore nell&apos;apertura del flusso di codifica (%1)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>m_ForMp3_Proc_hEncodeChunk() failed (%1)</source>
        <translation>m_ForMp3_Proc_hEncodeChunk() non riuscita (%1)</translation>
    </message>
    <message>
        <source>Output file write error</source>
        <translation>Errore di scrittura del file di uscita</translation>
    </message>
    <message>
        <source>beExitStream failed (%1)</source>
        <translation>beExitStream non riuscita (%1)</translation>
    </message>
    <message>
        <source>Error creating file %1</source>
        <translation>Errore nella creazione del file %1</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Apertura del file wave non riuscita</translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Riproduzione</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>less than a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>circa %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>circa %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h</source>
        <translation>circa %1 h</translation>
    </message>
    <message>
        <source>about 1 day %1 h</source>
        <translation>circa 1 giorno %1 h</translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>circa 1 giorno</translation>
    </message>
    <message>
        <source>about %1 days %2 h</source>
        <translation>circa %1 giorni %2 h</translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation>circa %1 giorni</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>its answer was not whether the command was done</source>
        <translation>la sua risposta non diceva se il comando era stato eseguito</translation>
    </message>
</context>
<context>
    <name>TakeReport</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 of sound in %2</source>
        <translation>%1 di suono in %2</translation>
    </message>
    <message>
        <source>%1 recorded</source>
        <translation>%1 registrati</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, 1 break in the sound</source>
        <translation>%1, 1 interruzione nel suono</translation>
    </message>
    <message>
        <source>%1, %2 breaks in the sound</source>
        <translation>%1, %2 interruzioni nel suono</translation>
    </message>
</context>
<context>
    <name>TracePicture</name>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>impossibile creare la cartella del cestino %1</translation>
    </message>
    <message>
        <source>there is no folder for the trash</source>
        <translation>non c&apos;è una cartella per il cestino</translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be written</source>
        <translation>impossibile scrivere nella cartella del cestino %1</translation>
    </message>
    <message>
        <source>its name is too long for the trash</source>
        <translation>il nome è troppo lungo per il cestino</translation>
    </message>
</context>
</TS>

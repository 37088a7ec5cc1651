<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Version: %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AudioBackend</name>
    <message>
        <source>The command completed successfully.</source>
        <translation>Der Befehl wurde erfolgreich ausgeführt.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Nicht näher bezeichneter Fehler.</translation>
    </message>
    <message>
        <source>The device number is out of range.</source>
        <translation>Die Gerätenummer liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>The device is not enabled.</source>
        <translation>Das Gerät ist nicht aktiviert.</translation>
    </message>
    <message>
        <source>The device is already in use.</source>
        <translation>Das Gerät wird bereits verwendet.</translation>
    </message>
    <message>
        <source>The device handle is not valid.</source>
        <translation>Das Geräte-Handle ist ungültig.</translation>
    </message>
    <message>
        <source>No sound server or driver is available.</source>
        <translation>Es ist kein Soundserver und kein Treiber verfügbar.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Nicht genügend Speicher.</translation>
    </message>
    <message>
        <source>The device does not support this operation.</source>
        <translation>Das Gerät unterstützt diesen Vorgang nicht.</translation>
    </message>
    <message>
        <source>An argument is not valid.</source>
        <translation>Ein Argument ist ungültig.</translation>
    </message>
    <message>
        <source>The device cannot use this sound format.</source>
        <translation>Das Gerät kann dieses Audioformat nicht verwenden.</translation>
    </message>
    <message>
        <source>Buffers are still queued on the device.</source>
        <translation>Auf dem Gerät stehen noch Puffer in der Warteschlange.</translation>
    </message>
    <message>
        <source>The buffer is not prepared.</source>
        <translation>Der Puffer ist nicht vorbereitet.</translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation>Unbekannter Fehler %1.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tessavox</source>
        <translation>Über Tessavox</translation>
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
        <translation>Falscher Zustand der Klasse</translation>
    </message>
    <message>
        <source>waveOutOpen() failed</source>
        <translation>waveOutOpen() fehlgeschlagen</translation>
    </message>
    <message>
        <source>Read sound data from file failed</source>
        <translation>Lesen der Audiodaten aus der Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveOutPrepareHeader() failed</source>
        <translation>waveOutPrepareHeader() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveOutWrite() failed</source>
        <translation>waveOutWrite() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveOutUnprepareHeader() failed</source>
        <translation>waveOutUnprepareHeader() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveOutClose() failed</source>
        <translation>waveOutClose() fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error audio device</source>
        <translation>Fehler am Audiogerät</translation>
    </message>
    <message>
        <source>waveInReset() failed</source>
        <translation>waveInReset() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveOutReset() failed</source>
        <translation>waveOutReset() fehlgeschlagen</translation>
    </message>
    <message>
        <source>Playback device failed</source>
        <translation>Fehler am Wiedergabegerät</translation>
    </message>
    <message>
        <source>waveInStart() failed</source>
        <translation>waveInStart() fehlgeschlagen</translation>
    </message>
    <message>
        <source>AddInputBufferToQueue Failed</source>
        <translation>AddInputBufferToQueue fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveInAddBuffer() failed</source>
        <translation>waveInAddBuffer() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveInUnprepareHeader() failed</source>
        <translation>waveInUnprepareHeader() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveInPrepareHeader() failed</source>
        <translation>waveInPrepareHeader() fehlgeschlagen</translation>
    </message>
    <message>
        <source>waveInClose() failed</source>
        <translation>waveInClose() fehlgeschlagen</translation>
    </message>
    <message>
        <source>Recording device failed</source>
        <translation>Fehler am Aufnahmegerät</translation>
    </message>
    <message>
        <source>the recorder is busy</source>
        <translation>der Rekorder ist beschäftigt</translation>
    </message>
    <message>
        <source>the device failed</source>
        <translation>das Gerät ist ausgefallen</translation>
    </message>
</context>
<context>
    <name>CClipFlag</name>
    <message>
        <source>The %1 channel clipped: click to clear</source>
        <translation>Kanal %1 wurde übersteuert: zum Zurücksetzen klicken</translation>
    </message>
    <message>
        <source>The %1 channel has not clipped</source>
        <translation>Kanal %1 wurde nicht übersteuert</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>WebSite:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
</context>
<context>
    <name>CDialogRecord</name>
    <message>
        <source>Initialize callback device failed</source>
        <translation>Initialisieren des Callback-Geräts fehlgeschlagen</translation>
    </message>
    <message>
        <source>Mono Mixer</source>
        <translation>Mono-Mix</translation>
    </message>
    <message>
        <source>Stereo Mixer</source>
        <translation>Stereo-Mix</translation>
    </message>
    <message>
        <source>Single Channel</source>
        <translation>Einzelkanäle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be monitored: %2</source>
        <translation>„%1“ kann nicht mitgehört werden: %2</translation>
    </message>
    <message>
        <source>Monitoring of &quot;%1&quot; stopped: %2</source>
        <translation>Mithören von „%1“ beendet: %2</translation>
    </message>
    <message>
        <source>The audio device is now &quot;%1&quot;</source>
        <translation>Das Audiogerät ist jetzt „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; no audio device is left</source>
        <translation>„%1“ ist nicht mehr da; es ist kein Audiogerät mehr vorhanden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; the audio device is now &quot;%2&quot;</source>
        <translation>„%1“ ist nicht mehr da; das Audiogerät ist jetzt „%2“</translation>
    </message>
    <message>
        <source>Monitoring stopped: %1</source>
        <translation>Mithören beendet: %1</translation>
    </message>
    <message>
        <source>Open file to play</source>
        <translation>Datei zum Abspielen öffnen</translation>
    </message>
    <message>
        <source>Recording Output</source>
        <translation>Aufnahmedatei</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source> New file every</source>
        <translation> Neue Datei alle</translation>
    </message>
    <message>
        <source>New file every</source>
        <translation>Neue Datei alle</translation>
    </message>
    <message>
        <source> Add date and time to the name</source>
        <translation> Datum und Uhrzeit im Namen</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Sound-activated recording</source>
        <translation>Tongesteuerte Aufnahme</translation>
    </message>
    <message>
        <source> Skip silence</source>
        <translation> Stille auslassen</translation>
    </message>
    <message>
        <source>Silence below</source>
        <translation>Stille unter</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Silence after</source>
        <translation>Stille nach</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source> New file for each sound</source>
        <translation> Neue Datei für jeden Ton</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>Audio Capture Device</source>
        <translation>Aufnahmegerät</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Audiogerät</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Mikrofonlautstärke</translation>
    </message>
    <message>
        <source>Line in</source>
        <translation>Line-In</translation>
    </message>
    <message>
        <source>Line in volume</source>
        <translation>Line-In-Lautstärke</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Linker Kanal</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Rechter Kanal</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>Bittiefe</translation>
    </message>
    <message>
        <source> Monitor input</source>
        <translation> Mithören</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bittiefe:</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Audio device:</source>
        <translation>Audiogerät:</translation>
    </message>
    <message>
        <source>Wave in device:</source>
        <translation>Eingang:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Room for %1</source>
        <translation>Platz für %1</translation>
    </message>
</context>
<context>
    <name>CDialogSchedule</name>
    <message>
        <source> Enable scheduled task</source>
        <translation> Zeitplan aktivieren</translation>
    </message>
    <message>
        <source> Start time:</source>
        <translation> Startzeit:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Montag bis Freitag</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Wiederholen:</translation>
    </message>
    <message>
        <source> Start Tessavox when I log in</source>
        <translation> Tessavox beim Anmelden starten</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Aktuelle Zeit:</translation>
    </message>
    <message>
        <source>Scheduled Task</source>
        <translation>Aufnahmeplan</translation>
    </message>
    <message>
        <source> Warn me when the input is silent for</source>
        <translation> Bei Stille am Eingang warnen nach</translation>
    </message>
    <message>
        <source>Silent for</source>
        <translation>Stilledauer</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> Keep takes for</source>
        <translation> Aufnahmen behalten für</translation>
    </message>
    <message>
        <source>Keep takes for</source>
        <translation>Aufnahmen behalten für</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
</context>
<context>
    <name>CLevelMeter</name>
    <message>
        <source>%1 clipped</source>
        <translation>%1 übersteuert</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>Pegel %1</translation>
    </message>
    <message>
        <source>Silence below %1 dBFS</source>
        <translation>Stille unter %1 dBFS</translation>
    </message>
    <message>
        <source>%1: below -60 dBFS</source>
        <translation>%1: unter -60 dBFS</translation>
    </message>
    <message>
        <source>%1: %2 dBFS, peak held at %3 dBFS</source>
        <translation>%1: %2 dBFS, Spitze gehalten bei %3 dBFS</translation>
    </message>
</context>
<context>
    <name>CScheduleRun</name>
    <message>
        <source>Please check duration time in schedule panel, it&apos;s incorrect.</source>
        <translation>Bitte prüfen Sie die Dauer auf der Seite „Zeitplan“, sie ist ungültig.</translation>
    </message>
    <message>
        <source>Please check time setting in schedule panel, it&apos;s incorrect.</source>
        <translation>Bitte prüfen Sie die Zeiteinstellung auf der Seite „Zeitplan“, sie ist ungültig.</translation>
    </message>
    <message>
        <source>Your recording will be started at %1</source>
        <translation>Ihre Aufnahme beginnt am %1</translation>
    </message>
    <message>
        <source>Your recording will be ended at %1</source>
        <translation>Ihre Aufnahme endet am %1</translation>
    </message>
    <message>
        <source>started late: it was due at %1</source>
        <translation>verspätet gestartet: geplant war %1</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: Tessavox was not running.</source>
        <translation>Die von %1 bis %2 geplante Aufnahme wurde nicht gemacht: Tessavox lief nicht.</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.</source>
        <translation>Die von %1 bis %2 geplante Aufnahme wurde nicht gemacht: Der Rechner war bis nach ihrem Ende im Ruhezustand, oder seine Uhr wurde über ihr Ende hinaus gestellt.</translation>
    </message>
    <message>
        <source>Scheduled recording failed</source>
        <translation>Geplante Aufnahme fehlgeschlagen</translation>
    </message>
    <message>
        <source>Scheduled recording started</source>
        <translation>Geplante Aufnahme gestartet</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Geplante Aufnahme beendet</translation>
    </message>
    <message>
        <source>Scheduled recording will not fit</source>
        <translation>Geplante Aufnahme passt nicht auf den Datenträger</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 will not fit on the disk: there is room for %3.</source>
        <translation>Die von %1 bis %2 geplante Aufnahme passt nicht auf den Datenträger: Es ist Platz für %3.</translation>
    </message>
    <message>
        <source>Do you want to schedule it anyway?</source>
        <translation>Möchten Sie sie trotzdem planen?</translation>
    </message>
    <message>
        <source>No sound from %1 for 1 minute</source>
        <translation>Seit 1 Minute kein Ton von %1</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 minutes</source>
        <translation>Seit %2 Minuten kein Ton von %1</translation>
    </message>
</context>
<context>
    <name>CTessavoxDlg</name>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Waiting for a scheduled recording</source>
        <translation>Warte auf eine geplante Aufnahme</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Size: 0KB</source>
        <translation>Größe: 0 KB</translation>
    </message>
    <message>
        <source>Size: 4194303KB</source>
        <translation>Größe: 4194303 KB</translation>
    </message>
    <message>
        <source>Time: 00:00:00</source>
        <translation>Zeit: 00:00:00</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>&amp;About Tessavox...</source>
        <translation>Ü&amp;ber Tessavox...</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The saved settings could not be read; the first-start settings are shown</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden; die Einstellungen des ersten Starts werden angezeigt</translation>
    </message>
    <message>
        <source>Please select the audio save path.</source>
        <translation>Bitte wählen Sie aus, wo die Aufnahme gespeichert werden soll.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please tick &quot; Start time:&quot; to repeat a recording.</source>
        <translation>Bitte kreuzen Sie „Startzeit:“ an, um eine Aufnahme zu wiederholen.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exist.
Do you want to replace them?</source>
        <translation>%1 existieren bereits.
Möchten Sie die Dateien ersetzen?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Warte auf Ton</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>No sound came: no file was made</source>
        <translation>Es kam kein Ton: Es wurde keine Datei erstellt</translation>
    </message>
    <message>
        <source>Tessavox is already recording.</source>
        <translation>Tessavox nimmt bereits auf.</translation>
    </message>
    <message>
        <source>Tessavox is playing a file; stop it first.</source>
        <translation>Tessavox spielt eine Datei ab; stoppen Sie die Wiedergabe zuerst.</translation>
    </message>
    <message>
        <source>Tessavox is still closing the last recording; try again in a moment.</source>
        <translation>Tessavox schließt noch die letzte Aufnahme ab; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Tessavox is waiting for an answer in its window.</source>
        <translation>Tessavox wartet in seinem Fenster auf eine Antwort.</translation>
    </message>
    <message>
        <source>The command was not carried out.</source>
        <translation>Der Befehl wurde nicht ausgeführt.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Stopped: the disk is nearly full</source>
        <translation>Gestoppt: Der Datenträger ist fast voll</translation>
    </message>
    <message>
        <source>Recording stopped: the disk is nearly full</source>
        <translation>Aufnahme gestoppt: Der Datenträger ist fast voll</translation>
    </message>
    <message>
        <source>Tessavox is still running</source>
        <translation>Tessavox läuft weiter</translation>
    </message>
    <message>
        <source>The recording goes on. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>Die Aufnahme läuft weiter. Wählen Sie „Tessavox anzeigen“ im Menü des Symbols, um das Fenster wieder zu sehen.</translation>
    </message>
    <message>
        <source>The scheduled recording will start as planned. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>Die geplante Aufnahme startet wie vorgesehen. Wählen Sie „Tessavox anzeigen“ im Menü des Symbols, um das Fenster wieder zu sehen.</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Recording %1 %2</source>
        <translation>Aufnahme %1 %2</translation>
    </message>
    <message>
        <source>Paused %1 %2</source>
        <translation>Pausiert %1 %2</translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Warte auf Ton</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Next recording at %1</source>
        <translation>Nächste Aufnahme am %1</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Show Tessavox</source>
        <translation>Tessavox anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
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
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Only one of --record, --stop and --pause can be given at a time.</source>
        <translation>Von --record, --stop und --pause kann jeweils nur eine angegeben werden.</translation>
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
        <translation>Aufruf: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]
Nimmt den Ton der Soundkarte in WAV- oder MP3-Dateien auf. Ohne Option öffnet es
sein Fenster oder holt das bereits geöffnete in den Vordergrund.

  --minimized  das Fenster minimiert öffnen oder im Symbol der Leiste, wo der
               Desktop eines hat; ein gespeicherter Zeitplan bleibt dabei aktiv
  --record     im offenen Fenster „Aufnehmen“ drücken; öffnet zuerst eines,
               wenn keines offen ist
  --stop       im offenen Fenster „Stopp“ drücken
  --pause      im offenen Fenster „Pause“ (oder „Weiter“) drücken
  --help       diese Hilfe ausgeben und beenden
  --version    die Version ausgeben und beenden

Ein Befehl endet mit 0, wenn er ausgeführt wurde, mit 1, wenn er abgelehnt wurde
(mit Begründung), und mit 2 bei einem Aufruffehler.
</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>not a FLAC stream</source>
        <translation>kein FLAC-Datenstrom</translation>
    </message>
    <message>
        <source>%1 channels; only mono and stereo are played</source>
        <translation>%1 Kanäle; nur Mono und Stereo werden abgespielt</translation>
    </message>
    <message>
        <source>no MPEG audio frames found</source>
        <translation>keine MPEG-Audio-Frames gefunden</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not an Ogg Opus stream</source>
        <translation>kein Ogg-Opus-Datenstrom</translation>
    </message>
    <message>
        <source>an Ogg Opus version that is not known</source>
        <translation>eine unbekannte Ogg-Opus-Version</translation>
    </message>
    <message>
        <source>its Opus header is damaged</source>
        <translation>der Opus-Header ist beschädigt</translation>
    </message>
    <message>
        <source>its stream is damaged</source>
        <translation>der Datenstrom ist beschädigt</translation>
    </message>
    <message>
        <source>it cannot be decoded (error %1)</source>
        <translation>Dekodieren nicht möglich (Fehler %1)</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>%1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Öffnen der Wave-Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error descending into file</source>
        <translation>Fehler beim Absteigen in die Datei</translation>
    </message>
    <message>
        <source>Error descending in wave file</source>
        <translation>Fehler beim Absteigen in der Wave-Datei</translation>
    </message>
    <message>
        <source>Error ascending in File</source>
        <translation>Fehler beim Aufsteigen in der Datei</translation>
    </message>
    <message>
        <source>error reading data chunk</source>
        <translation>Fehler beim Lesen des Datenblocks</translation>
    </message>
</context>
<context>
    <name>ElapsedDisplay</name>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Size: %1KB</source>
        <translation>Größe: %1 KB</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>mp3 files(*.mp3)|*.mp3||</source>
        <translation>mp3-Dateien(*.mp3)|*.mp3||</translation>
    </message>
    <message>
        <source>MP3 files(*.mp3)|*.mp3</source>
        <translation>MP3-Dateien(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||</source>
        <translation>wav-Dateien(*.wav)|*.wav|wave-Dateien(*.wave)|*.wave||</translation>
    </message>
    <message>
        <source>Wave files(*.wav)|*.wav</source>
        <translation>Wave-Dateien(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>flac files(*.flac)|*.flac||</source>
        <translation>flac-Dateien(*.flac)|*.flac||</translation>
    </message>
    <message>
        <source>FLAC files(*.flac)|*.flac</source>
        <translation>FLAC-Dateien(*.flac)|*.flac</translation>
    </message>
    <message>
        <source>opus files(*.opus)|*.opus||</source>
        <translation>opus-Dateien(*.opus)|*.opus||</translation>
    </message>
    <message>
        <source>Opus files(*.opus)|*.opus</source>
        <translation>Opus-Dateien(*.opus)|*.opus</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Tessavox is not running.</source>
        <translation>Tessavox läuft nicht.</translation>
    </message>
    <message>
        <source>Tessavox is not running, or cannot be reached: there is no session bus.</source>
        <translation>Tessavox läuft nicht oder ist nicht erreichbar: Es gibt keinen Sitzungsbus.</translation>
    </message>
    <message>
        <source>Tessavox is running but did not answer: %1</source>
        <translation>Tessavox läuft, hat aber nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>OldTakes</name>
    <message>
        <source>Moved 1 old take to the trash</source>
        <translation>1 alte Aufnahme in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Moved %1 old takes to the trash</source>
        <translation>%1 alte Aufnahmen in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash: %2</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden: %2</translation>
    </message>
    <message>
        <source>Could not move %1 old takes to the trash; %2: %3</source>
        <translation>%1 alte Aufnahmen konnten nicht in den Papierkorb verschoben werden; %2: %3</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Write file failed</source>
        <translation>Schreiben der Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot record %1 bits %2</source>
        <translation>Aufnahme mit %1 Bit in %2 nicht möglich</translation>
    </message>
    <message>
        <source>Cannot record %1 Hz %2</source>
        <translation>Aufnahme mit %1 Hz in %2 nicht möglich</translation>
    </message>
    <message>
        <source>Error loading lame_enc.DLL</source>
        <translation>Fehler beim Laden von lame_enc.DLL</translation>
    </message>
    <message>
        <source>Unable to get LAME interfaces</source>
        <translation>LAME-Schnittstellen nicht verfügbar</translation>
    </message>
    <message>
        <source>Error opening encoding stream (%1)</source>
        <translation>Fehler beim Öffnen des Encoder-Datenstroms (%1)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>m_ForMp3_Proc_hEncodeChunk() failed (%1)</source>
        <translation>m_ForMp3_Proc_hEncodeChunk() fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Output file write error</source>
        <translation>Fehler beim Schreiben der Ausgabedatei</translation>
    </message>
    <message>
        <source>beExitStream failed (%1)</source>
        <translation>beExitStream fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Error creating file %1</source>
        <translation>Fehler beim Erstellen der Datei %1</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Öffnen der Wave-Datei fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h</source>
        <translation>etwa %1 h</translation>
    </message>
    <message>
        <source>about 1 day %1 h</source>
        <translation>etwa 1 Tag %1 h</translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>etwa 1 Tag</translation>
    </message>
    <message>
        <source>about %1 days %2 h</source>
        <translation>etwa %1 Tage %2 h</translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation>etwa %1 Tage</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>its answer was not whether the command was done</source>
        <translation>die Antwort sagte nicht, ob der Befehl ausgeführt wurde</translation>
    </message>
</context>
<context>
    <name>TakeReport</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 of sound in %2</source>
        <translation>%1 Ton in %2</translation>
    </message>
    <message>
        <source>%1 recorded</source>
        <translation>%1 aufgenommen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, 1 break in the sound</source>
        <translation>%1, 1 Unterbrechung im Ton</translation>
    </message>
    <message>
        <source>%1, %2 breaks in the sound</source>
        <translation>%1, %2 Unterbrechungen im Ton</translation>
    </message>
</context>
<context>
    <name>TracePicture</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>der Papierkorb-Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>there is no folder for the trash</source>
        <translation>es gibt keinen Ordner für den Papierkorb</translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be written</source>
        <translation>in den Papierkorb-Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its name is too long for the trash</source>
        <translation>sein Name ist zu lang für den Papierkorb</translation>
    </message>
</context>
</TS>

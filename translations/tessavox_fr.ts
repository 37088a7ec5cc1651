<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>AudioBackend</name>
    <message>
        <source>The command completed successfully.</source>
        <translation>La commande s&apos;est terminée avec succès.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Erreur non précisée.</translation>
    </message>
    <message>
        <source>The device number is out of range.</source>
        <translation>Le numéro du périphérique est hors limites.</translation>
    </message>
    <message>
        <source>The device is not enabled.</source>
        <translation>Le périphérique n&apos;est pas activé.</translation>
    </message>
    <message>
        <source>The device is already in use.</source>
        <translation>Le périphérique est déjà utilisé.</translation>
    </message>
    <message>
        <source>The device handle is not valid.</source>
        <translation>Le descripteur du périphérique n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>No sound server or driver is available.</source>
        <translation>Aucun serveur de son ni pilote n&apos;est disponible.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The device does not support this operation.</source>
        <translation>Le périphérique ne prend pas en charge cette opération.</translation>
    </message>
    <message>
        <source>An argument is not valid.</source>
        <translation>Un argument n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The device cannot use this sound format.</source>
        <translation>Le périphérique ne peut pas utiliser ce format audio.</translation>
    </message>
    <message>
        <source>Buffers are still queued on the device.</source>
        <translation>Des tampons sont encore en file d&apos;attente sur le périphérique.</translation>
    </message>
    <message>
        <source>The buffer is not prepared.</source>
        <translation>Le tampon n&apos;est pas préparé.</translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation>Erreur inconnue %1.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tessavox</source>
        <translation>À propos de Tessavox</translation>
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
        <translation>Erreur d&apos;état de la classe</translation>
    </message>
    <message>
        <source>waveOutOpen() failed</source>
        <translation>Échec de waveOutOpen()</translation>
    </message>
    <message>
        <source>Read sound data from file failed</source>
        <translation>Échec de la lecture des données audio du fichier</translation>
    </message>
    <message>
        <source>waveOutPrepareHeader() failed</source>
        <translation>Échec de waveOutPrepareHeader()</translation>
    </message>
    <message>
        <source>waveOutWrite() failed</source>
        <translation>Échec de waveOutWrite()</translation>
    </message>
    <message>
        <source>waveOutUnprepareHeader() failed</source>
        <translation>Échec de waveOutUnprepareHeader()</translation>
    </message>
    <message>
        <source>waveOutClose() failed</source>
        <translation>Échec de waveOutClose()</translation>
    </message>
    <message>
        <source>Error audio device</source>
        <translation>Erreur du périphérique audio</translation>
    </message>
    <message>
        <source>waveInReset() failed</source>
        <translation>Échec de waveInReset()</translation>
    </message>
    <message>
        <source>waveOutReset() failed</source>
        <translation>Échec de waveOutReset()</translation>
    </message>
    <message>
        <source>Playback device failed</source>
        <translation>Défaillance du périphérique de lecture</translation>
    </message>
    <message>
        <source>waveInStart() failed</source>
        <translation>Échec de waveInStart()</translation>
    </message>
    <message>
        <source>AddInputBufferToQueue Failed</source>
        <translation>Échec de AddInputBufferToQueue</translation>
    </message>
    <message>
        <source>waveInAddBuffer() failed</source>
        <translation>Échec de waveInAddBuffer()</translation>
    </message>
    <message>
        <source>waveInUnprepareHeader() failed</source>
        <translation>Échec de waveInUnprepareHeader()</translation>
    </message>
    <message>
        <source>waveInPrepareHeader() failed</source>
        <translation>Échec de waveInPrepareHeader()</translation>
    </message>
    <message>
        <source>waveInClose() failed</source>
        <translation>Échec de waveInClose()</translation>
    </message>
    <message>
        <source>Recording device failed</source>
        <translation>Défaillance du périphérique d&apos;enregistrement</translation>
    </message>
    <message>
        <source>the recorder is busy</source>
        <translation>l&apos;enregistreur est occupé</translation>
    </message>
    <message>
        <source>the device failed</source>
        <translation>le périphérique est défaillant</translation>
    </message>
</context>
<context>
    <name>CClipFlag</name>
    <message>
        <source>The %1 channel clipped: click to clear</source>
        <translation>Le canal de %1 a saturé&#xa0;: cliquez pour effacer</translation>
    </message>
    <message>
        <source>The %1 channel has not clipped</source>
        <translation>Le canal de %1 n&apos;a pas saturé</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>WebSite:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CDialogRecord</name>
    <message>
        <source>Initialize callback device failed</source>
        <translation>Échec de l&apos;initialisation du périphérique de rappel</translation>
    </message>
    <message>
        <source>Mono Mixer</source>
        <translation>Mixage mono</translation>
    </message>
    <message>
        <source>Stereo Mixer</source>
        <translation>Mixage stéréo</translation>
    </message>
    <message>
        <source>Single Channel</source>
        <translation>Canal unique</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be monitored: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être écouté&#xa0;: %2</translation>
    </message>
    <message>
        <source>Monitoring of &quot;%1&quot; stopped: %2</source>
        <translation>L&apos;écoute de «&#xa0;%1&#xa0;» s&apos;est arrêtée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The audio device is now &quot;%1&quot;</source>
        <translation>Le périphérique audio est maintenant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; no audio device is left</source>
        <translation>«&#xa0;%1&#xa0;» a disparu&#xa0;; il ne reste aucun périphérique audio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; the audio device is now &quot;%2&quot;</source>
        <translation>«&#xa0;%1&#xa0;» a disparu&#xa0;; le périphérique audio est maintenant «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Monitoring stopped: %1</source>
        <translation>Écoute arrêtée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Open file to play</source>
        <translation>Ouvrir un fichier à lire</translation>
    </message>
    <message>
        <source>Recording Output</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source> New file every</source>
        <translation> Couper toutes les</translation>
    </message>
    <message>
        <source>New file every</source>
        <translation>Nouveau fichier toutes les</translation>
    </message>
    <message>
        <source> Add date and time to the name</source>
        <translation> Ajouter la date et l&apos;heure au nom</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Sound-activated recording</source>
        <translation>Déclenchement par le son</translation>
    </message>
    <message>
        <source> Skip silence</source>
        <translation> Sans silences</translation>
    </message>
    <message>
        <source>Silence below</source>
        <translation>Silence sous</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Silence after</source>
        <translation>Silence après</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source> New file for each sound</source>
        <translation> Nouveau fichier par son</translation>
    </message>
    <message>
        <source>after</source>
        <translation>après</translation>
    </message>
    <message>
        <source>Audio Capture Device</source>
        <translation>Périphérique de capture</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Périphérique audio</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume du micro</translation>
    </message>
    <message>
        <source>Line in</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Line in volume</source>
        <translation>Volume de l&apos;entrée ligne</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Canal gauche</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Canal droit</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>Bits par échantillon</translation>
    </message>
    <message>
        <source> Monitor input</source>
        <translation> Écouter l&apos;entrée</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits/échantillon&#xa0;:</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Audio device:</source>
        <translation>Périphérique&#xa0;:</translation>
    </message>
    <message>
        <source>Wave in device:</source>
        <translation>Entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canal&#xa0;:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Room for %1</source>
        <translation>Place pour %1</translation>
    </message>
</context>
<context>
    <name>CDialogSchedule</name>
    <message>
        <source> Enable scheduled task</source>
        <translation> Activer la planification</translation>
    </message>
    <message>
        <source> Start time:</source>
        <translation> Début&#xa0;:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Lundi à vendredi</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Répéter&#xa0;:</translation>
    </message>
    <message>
        <source> Start Tessavox when I log in</source>
        <translation> Lancer Tessavox à la connexion</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Heure actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Scheduled Task</source>
        <translation>Tâche planifiée</translation>
    </message>
    <message>
        <source> Warn me when the input is silent for</source>
        <translation> M&apos;avertir si l&apos;entrée est muette pendant</translation>
    </message>
    <message>
        <source>Silent for</source>
        <translation>Muette pendant</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> Keep takes for</source>
        <translation> Garder les prises</translation>
    </message>
    <message>
        <source>Keep takes for</source>
        <translation>Garder les prises pendant</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
</context>
<context>
    <name>CLevelMeter</name>
    <message>
        <source>%1 clipped</source>
        <translation>%1&#xa0;: saturation</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>%1&#xa0;: niveau</translation>
    </message>
    <message>
        <source>Silence below %1 dBFS</source>
        <translation>Silence sous %1 dBFS</translation>
    </message>
    <message>
        <source>%1: below -60 dBFS</source>
        <translation>%1&#xa0;: sous -60 dBFS</translation>
    </message>
    <message>
        <source>%1: %2 dBFS, peak held at %3 dBFS</source>
        <translation>%1&#xa0;: %2 dBFS, crête maintenue à %3 dBFS</translation>
    </message>
</context>
<context>
    <name>CScheduleRun</name>
    <message>
        <source>Please check duration time in schedule panel, it&apos;s incorrect.</source>
        <translation>Veuillez vérifier la durée dans l&apos;onglet Planifier&#xa0;: elle est incorrecte.</translation>
    </message>
    <message>
        <source>Please check time setting in schedule panel, it&apos;s incorrect.</source>
        <translation>Veuillez vérifier le réglage de l&apos;heure dans l&apos;onglet Planifier&#xa0;: il est incorrect.</translation>
    </message>
    <message>
        <source>Your recording will be started at %1</source>
        <translation>Votre enregistrement démarrera à %1</translation>
    </message>
    <message>
        <source>Your recording will be ended at %1</source>
        <translation>Votre enregistrement se terminera à %1</translation>
    </message>
    <message>
        <source>started late: it was due at %1</source>
        <translation>démarré en retard&#xa0;: il était prévu à %1</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: Tessavox was not running.</source>
        <translation>L&apos;enregistrement prévu de %1 à %2 n&apos;a pas été fait&#xa0;: Tessavox n&apos;était pas lancé.</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.</source>
        <translation>L&apos;enregistrement prévu de %1 à %2 n&apos;a pas été fait&#xa0;: l&apos;ordinateur était en veille, ou son horloge a été réglée, au-delà de sa fin.</translation>
    </message>
    <message>
        <source>Scheduled recording failed</source>
        <translation>Échec de l&apos;enregistrement planifié</translation>
    </message>
    <message>
        <source>Scheduled recording started</source>
        <translation>Enregistrement planifié démarré</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Enregistrement planifié terminé</translation>
    </message>
    <message>
        <source>Scheduled recording will not fit</source>
        <translation>L&apos;enregistrement planifié ne tiendra pas sur le disque</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 will not fit on the disk: there is room for %3.</source>
        <translation>L&apos;enregistrement prévu de %1 à %2 ne tiendra pas sur le disque&#xa0;: il y a de la place pour %3.</translation>
    </message>
    <message>
        <source>Do you want to schedule it anyway?</source>
        <translation>Voulez-vous le planifier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>No sound from %1 for 1 minute</source>
        <translation>Aucun son de %1 depuis 1 minute</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 minutes</source>
        <translation>Aucun son de %1 depuis %2 minutes</translation>
    </message>
</context>
<context>
    <name>CTessavoxDlg</name>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Waiting for a scheduled recording</source>
        <translation>En attente d&apos;un enregistrement planifié</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Onglets</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Size: 0KB</source>
        <translation>Taille&#xa0;: 0 Ko</translation>
    </message>
    <message>
        <source>Size: 4194303KB</source>
        <translation>Taille&#xa0;: 4194303 Ko</translation>
    </message>
    <message>
        <source>Time: 00:00:00</source>
        <translation>Temps&#xa0;: 00:00:00</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>&amp;About Tessavox...</source>
        <translation>À &amp;propos de Tessavox...</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planifier</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>The saved settings could not be read; the first-start settings are shown</source>
        <translation>Les réglages enregistrés n&apos;ont pas pu être lus&#xa0;; les réglages du premier démarrage sont affichés</translation>
    </message>
    <message>
        <source>Please select the audio save path.</source>
        <translation>Veuillez choisir où enregistrer les fichiers audio.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Please tick &quot; Start time:&quot; to repeat a recording.</source>
        <translation>Veuillez cocher «&#xa0;Début&#xa0;:&#xa0;» pour répéter un enregistrement.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exist.
Do you want to replace them?</source>
        <translation>%1 existent déjà.
Voulez-vous les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Attente du son</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>No sound came: no file was made</source>
        <translation>Aucun son n&apos;est venu&#xa0;: aucun fichier n&apos;a été créé</translation>
    </message>
    <message>
        <source>Tessavox is already recording.</source>
        <translation>Tessavox enregistre déjà.</translation>
    </message>
    <message>
        <source>Tessavox is playing a file; stop it first.</source>
        <translation>Tessavox lit un fichier&#xa0;; arrêtez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>Tessavox is still closing the last recording; try again in a moment.</source>
        <translation>Tessavox termine encore le dernier enregistrement&#xa0;; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Tessavox is waiting for an answer in its window.</source>
        <translation>Tessavox attend une réponse dans sa fenêtre.</translation>
    </message>
    <message>
        <source>The command was not carried out.</source>
        <translation>La commande n&apos;a pas été exécutée.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Stopped: the disk is nearly full</source>
        <translation>Arrêté&#xa0;: le disque est presque plein</translation>
    </message>
    <message>
        <source>Recording stopped: the disk is nearly full</source>
        <translation>Enregistrement arrêté&#xa0;: le disque est presque plein</translation>
    </message>
    <message>
        <source>Tessavox is still running</source>
        <translation>Tessavox fonctionne toujours</translation>
    </message>
    <message>
        <source>The recording goes on. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>L&apos;enregistrement continue. Choisissez «&#xa0;Afficher Tessavox&#xa0;» dans le menu de son icône pour revoir la fenêtre.</translation>
    </message>
    <message>
        <source>The scheduled recording will start as planned. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>L&apos;enregistrement planifié démarrera comme prévu. Choisissez «&#xa0;Afficher Tessavox&#xa0;» dans le menu de son icône pour revoir la fenêtre.</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Recording %1 %2</source>
        <translation>Enregistrement&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Paused %1 %2</source>
        <translation>En pause&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Attente du son</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Next recording at %1</source>
        <translation>Prochain enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Show Tessavox</source>
        <translation>Afficher Tessavox</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
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
        <translation>Option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Only one of --record, --stop and --pause can be given at a time.</source>
        <translation>Une seule des options --record, --stop et --pause peut être donnée à la fois.</translation>
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
        <translation>Usage&#xa0;: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]
Enregistre la carte son dans des fichiers WAV ou MP3. Sans option, ouvre sa
fenêtre, ou met au premier plan celle qui est déjà ouverte.

  --minimized  ouvre la fenêtre réduite, ou dans l&apos;icône du tableau de bord là
               où le bureau en a une, en gardant armée une planification
               enregistrée
  --record     appuie sur Enregistrer dans la fenêtre ouverte, en en ouvrant
               une d&apos;abord s&apos;il n&apos;y en a pas
  --stop       appuie sur Arrêter dans la fenêtre ouverte
  --pause      appuie sur Pause (ou Reprendre) dans la fenêtre ouverte
  --help       affiche cette aide et quitte
  --version    affiche la version et quitte

Une commande se termine avec 0 si elle est exécutée, 1 si elle est refusée (en
disant pourquoi), 2 pour une erreur d&apos;utilisation.
</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>not a FLAC stream</source>
        <translation>ce n&apos;est pas un flux FLAC</translation>
    </message>
    <message>
        <source>%1 channels; only mono and stereo are played</source>
        <translation>%1 canaux&#xa0;; seuls le mono et la stéréo sont lus</translation>
    </message>
    <message>
        <source>no MPEG audio frames found</source>
        <translation>aucune trame audio MPEG trouvée</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>not an Ogg Opus stream</source>
        <translation>ce n&apos;est pas un flux Ogg Opus</translation>
    </message>
    <message>
        <source>an Ogg Opus version that is not known</source>
        <translation>une version d&apos;Ogg Opus inconnue</translation>
    </message>
    <message>
        <source>its Opus header is damaged</source>
        <translation>son en-tête Opus est endommagé</translation>
    </message>
    <message>
        <source>its stream is damaged</source>
        <translation>son flux est endommagé</translation>
    </message>
    <message>
        <source>it cannot be decoded (error %1)</source>
        <translation>il ne peut pas être décodé (erreur %1)</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Échec de l&apos;ouverture du fichier wave</translation>
    </message>
    <message>
        <source>Error descending into file</source>
        <translation>Erreur de descente dans le fichier</translation>
    </message>
    <message>
        <source>Error descending in wave file</source>
        <translation>Erreur de descente dans le fichier wave</translation>
    </message>
    <message>
        <source>Error ascending in File</source>
        <translation>Erreur de remontée dans le fichier</translation>
    </message>
    <message>
        <source>error reading data chunk</source>
        <translation>erreur de lecture du bloc de données</translation>
    </message>
</context>
<context>
    <name>ElapsedDisplay</name>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Size: %1KB</source>
        <translation>Taille&#xa0;: %1 Ko</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>mp3 files(*.mp3)|*.mp3||</source>
        <translation>Fichiers mp3(*.mp3)|*.mp3||</translation>
    </message>
    <message>
        <source>MP3 files(*.mp3)|*.mp3</source>
        <translation>Fichiers MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||</source>
        <translation>Fichiers wav(*.wav)|*.wav|Fichiers wave(*.wave)|*.wave||</translation>
    </message>
    <message>
        <source>Wave files(*.wav)|*.wav</source>
        <translation>Fichiers wave(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>flac files(*.flac)|*.flac||</source>
        <translation>Fichiers flac(*.flac)|*.flac||</translation>
    </message>
    <message>
        <source>FLAC files(*.flac)|*.flac</source>
        <translation>Fichiers FLAC(*.flac)|*.flac</translation>
    </message>
    <message>
        <source>opus files(*.opus)|*.opus||</source>
        <translation>Fichiers opus(*.opus)|*.opus||</translation>
    </message>
    <message>
        <source>Opus files(*.opus)|*.opus</source>
        <translation>Fichiers Opus(*.opus)|*.opus</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Fichiers audio (%1)</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Tessavox is not running.</source>
        <translation>Tessavox n&apos;est pas lancé.</translation>
    </message>
    <message>
        <source>Tessavox is not running, or cannot be reached: there is no session bus.</source>
        <translation>Tessavox n&apos;est pas lancé, ou ne peut pas être joint&#xa0;: il n&apos;y a pas de bus de session.</translation>
    </message>
    <message>
        <source>Tessavox is running but did not answer: %1</source>
        <translation>Tessavox est lancé mais n&apos;a pas répondu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>OldTakes</name>
    <message>
        <source>Moved 1 old take to the trash</source>
        <translation>1 ancienne prise déplacée dans la corbeille</translation>
    </message>
    <message>
        <source>Moved %1 old takes to the trash</source>
        <translation>%1 anciennes prises déplacées dans la corbeille</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash: %2</source>
        <translation>Impossible de déplacer %1 dans la corbeille&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not move %1 old takes to the trash; %2: %3</source>
        <translation>Impossible de déplacer %1 anciennes prises dans la corbeille&#xa0;; %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Write file failed</source>
        <translation>Échec de l&apos;écriture du fichier</translation>
    </message>
    <message>
        <source>Cannot record %1 bits %2</source>
        <translation>Impossible d&apos;enregistrer %1 bits en %2</translation>
    </message>
    <message>
        <source>Cannot record %1 Hz %2</source>
        <translation>Impossible d&apos;enregistrer %1 Hz en %2</translation>
    </message>
    <message>
        <source>Error loading lame_enc.DLL</source>
        <translation>Erreur de chargement de lame_enc.DLL</translation>
    </message>
    <message>
        <source>Unable to get LAME interfaces</source>
        <translation>Impossible d&apos;obtenir les interfaces LAME</translation>
    </message>
    <message>
        <source>Error opening encoding stream (%1)</source>
        <translation>Erreur d&apos;ouverture du flux d&apos;encodage (%1)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>m_ForMp3_Proc_hEncodeChunk() failed (%1)</source>
        <translation>Échec de m_ForMp3_Proc_hEncodeChunk() (%1)</translation>
    </message>
    <message>
        <source>Output file write error</source>
        <translation>Erreur d&apos;écriture du fichier de sortie</translation>
    </message>
    <message>
        <source>beExitStream failed (%1)</source>
        <translation>Échec de beExitStream (%1)</translation>
    </message>
    <message>
        <source>Error creating file %1</source>
        <translation>Erreur de création du fichier %1</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Échec de l&apos;ouverture du fichier wave</translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>less than a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>environ %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h</source>
        <translation>environ %1 h</translation>
    </message>
    <message>
        <source>about 1 day %1 h</source>
        <translation>environ 1 jour %1 h</translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>environ 1 jour</translation>
    </message>
    <message>
        <source>about %1 days %2 h</source>
        <translation>environ %1 jours %2 h</translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation>environ %1 jours</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>its answer was not whether the command was done</source>
        <translation>sa réponse ne disait pas si la commande avait été exécutée</translation>
    </message>
</context>
<context>
    <name>TakeReport</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 of sound in %2</source>
        <translation>%1 de son sur %2</translation>
    </message>
    <message>
        <source>%1 recorded</source>
        <translation>%1 d&apos;enregistrement</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, 1 break in the sound</source>
        <translation>%1, 1 coupure dans le son</translation>
    </message>
    <message>
        <source>%1, %2 breaks in the sound</source>
        <translation>%1, %2 coupures dans le son</translation>
    </message>
</context>
<context>
    <name>TracePicture</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>le dossier de la corbeille %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>there is no folder for the trash</source>
        <translation>il n&apos;y a pas de dossier pour la corbeille</translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be written</source>
        <translation>le dossier de la corbeille %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>its name is too long for the trash</source>
        <translation>son nom est trop long pour la corbeille</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AmbientPlayer</name>
    <message>
        <source>Ambient sound</source>
        <translation>Son d’ambiance</translation>
    </message>
</context>
<context>
    <name>AmbientSound</name>
    <message>
        <source>Pink Noise</source>
        <translation>Bruit rose</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pluie</translation>
    </message>
    <message>
        <source>Lullaby</source>
        <translation>Berceuse</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Brown Noise</source>
        <translation>Bruit brun</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Bruit blanc</translation>
    </message>
</context>
<context>
    <name>LightWarningDialog</name>
    <message>
        <source>Flashing Light</source>
        <translation>Lumière clignotante</translation>
    </message>
    <message>
        <source>The visualizer fills the screen with colour that flashes 3 to 27 times a second.</source>
        <translation>Le visualiseur remplit l’écran d’une couleur qui clignote de 3 à 27 fois par seconde.</translation>
    </message>
    <message>
        <source>If you have photosensitive epilepsy or have ever had a seizure brought on by light, do not look at it: ask a doctor first.</source>
        <translation>Si vous avez une épilepsie photosensible ou avez déjà fait une crise déclenchée par la lumière, ne la regardez pas : demandez d’abord l’avis d’un médecin.</translation>
    </message>
    <message>
        <source>Play Without the Light</source>
        <translation>Lire sans la lumière</translation>
    </message>
    <message>
        <source>&amp;Show the Light</source>
        <translation>&amp;Afficher la lumière</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentration active</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Méditation complète</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sommeil profond</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Méditation contemplative</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sommeil et rêves</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Réveil matinal</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Méditation courte</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>De la détente à la contemplation</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>De la détente à la méditation complète</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>De la fatigue au sommeil profond</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>De la fatigue aux rêves</translation>
    </message>
    <message>
        <source>Set session duration:</source>
        <translation>Durée de la séance :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Headphones required for best results</source>
        <translation>Casque requis pour un effet optimal</translation>
    </message>
    <message>
        <source>Ambient Audio</source>
        <translation>Son d’ambiance</translation>
    </message>
    <message>
        <source>Secondary Tone</source>
        <translation>Son secondaire</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Fait clignoter tout l’écran 3 à 27 fois par seconde. Une lumière qui clignote à ces fréquences peut déclencher des crises chez les personnes atteintes d’épilepsie photosensible : si vous pensez être à risque, décochez « Visualiseur ».&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Visualiseur</translation>
    </message>
    <message>
        <source>0 h</source>
        <translation>0 h</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 h</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 h</translation>
    </message>
    <message>
        <source>5 h</source>
        <translation>5 h</translation>
    </message>
    <message>
        <source>6 h</source>
        <translation>6 h</translation>
    </message>
    <message>
        <source>7 h</source>
        <translation>7 h</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 h</translation>
    </message>
    <message>
        <source>9 h</source>
        <translation>9 h</translation>
    </message>
    <message>
        <source>10 h</source>
        <translation>10 h</translation>
    </message>
    <message>
        <source>11 h</source>
        <translation>11 h</translation>
    </message>
    <message>
        <source>12 h</source>
        <translation>12 h</translation>
    </message>
    <message>
        <source>5 m</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 m</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>25 m</source>
        <translation>25 min</translation>
    </message>
    <message>
        <source>30 m</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>35 m</source>
        <translation>35 min</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 min</translation>
    </message>
    <message>
        <source>45 m</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>50 m</source>
        <translation>50 min</translation>
    </message>
    <message>
        <source>55 m</source>
        <translation>55 min</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Please select a session from the list to the left. A description of the session will appear in this block. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;After you have chosen a session, choose an ambient noise, set the duration, and press start to begin the session. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Choisissez un programme dans la liste de gauche. Sa description s’affichera ici. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Choisissez ensuite un son d’ambiance et la durée, puis appuyez sur « Démarrer » pour commencer la séance. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select a session first!</source>
        <translation>Choisissez d’abord un programme !</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Your changes will take effect during the next tone scheduled tone change.</source>
        <translation>Votre modification prendra effet lors du prochain changement prévu du son.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Aucune sortie audio : vérifiez vos haut-parleurs ou votre casque</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Your Own Sound...</source>
        <translation>Votre propre son...</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is gone: Pink Noise plays instead.</source>
        <translation>Votre propre son « %1 » a disparu : le bruit rose le remplace.</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Fichiers audio (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose Your Own Sound</source>
        <translation>Choisir votre propre son</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programmes</translation>
    </message>
    <message>
        <source>&amp;New Program...</source>
        <translation>&amp;Nouveau programme…</translation>
    </message>
    <message>
        <source>&amp;Open Program File...</source>
        <translation>&amp;Ouvrir un fichier de programme…</translation>
    </message>
    <message>
        <source>&amp;Edit Program...</source>
        <translation>&amp;Modifier le programme…</translation>
    </message>
    <message>
        <source>D&amp;uplicate Program...</source>
        <translation>D&amp;upliquer le programme…</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Supprimer le programme</translation>
    </message>
    <message>
        <source>%1: this program&apos;s file has an error</source>
        <translation>%1 : le fichier de ce programme contient une erreur</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nouveau programme</translation>
    </message>
    <message>
        <source>Open Program File</source>
        <translation>Ouvrir un fichier de programme</translation>
    </message>
    <message>
        <source>Velmora programs (*.velmora)</source>
        <translation>Programmes Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modifier le programme</translation>
    </message>
    <message>
        <source>Duplicate Program</source>
        <translation>Dupliquer le programme</translation>
    </message>
    <message>
        <source>Choose a program to duplicate first.</source>
        <translation>Choisissez d’abord un programme à dupliquer.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Supprimer le programme</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>Mettre « %1 » à la corbeille ?</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Export Session...</source>
        <translation>&amp;Exporter la séance…</translation>
    </message>
    <message>
        <source>Export Session</source>
        <translation>Exporter la séance</translation>
    </message>
    <message>
        <source>Sound files (*.flac *.mp3 *.ogg *.opus *.wav)</source>
        <translation>Fichiers audio (*.flac *.mp3 *.ogg *.opus *.wav)</translation>
    </message>
    <message>
        <source>End the file name with .flac, .mp3, .ogg, .opus or .wav.</source>
        <translation>Terminez le nom du fichier par .flac, .mp3, .ogg, .opus ou .wav.</translation>
    </message>
    <message>
        <source>Exporting the session...</source>
        <translation>Export de la séance…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1% done, about %2 left</source>
        <translation>%1 % effectués, environ %2 restant</translation>
    </message>
    <message>
        <source>Session exported to %1</source>
        <translation>Séance exportée dans %1</translation>
    </message>
    <message>
        <source>Export cancelled: no file written</source>
        <translation>Export annulé : aucun fichier écrit</translation>
    </message>
    <message>
        <source>The session could not be exported: %1</source>
        <translation>La séance n’a pas pu être exportée : %1</translation>
    </message>
</context>
<context>
    <name>OwnSound</name>
    <message>
        <source>Your own sound &quot;%1&quot; is missing.</source>
        <translation>Votre propre son « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; cannot be read.</source>
        <translation>Votre propre son « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is not a sound file Velmora can play.</source>
        <translation>Votre propre son « %1 » n’est pas un fichier audio que Velmora sait lire.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; holds no sound.</source>
        <translation>Votre propre son « %1 » ne contient aucun son.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is damaged part way through.</source>
        <translation>Votre propre son « %1 » est endommagé en cours de route.</translation>
    </message>
</context>
<context>
    <name>ProgramCatalogue</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentration active</translation>
    </message>
    <message>
        <source>This program will raise your brain wave frequency, allowing you maximum alertness to tackle whatever deserves your complete attention.</source>
        <translation>Ce programme élève la fréquence de vos ondes cérébrales pour vous rendre pleinement alerte face à tout ce qui mérite votre entière attention.</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Méditation complète</translation>
    </message>
    <message>
        <source>This program will take you from the average waking frequency to the low delta frequencies to take you away from it all. At the bottom of the frequency range you will be presented with blue light, proven to react with your circadian rhythm to help keep you awake. This will allow you full control of your mind as you journey through this relaxing state.</source>
        <translation>Ce programme vous mène de la fréquence habituelle de l’éveil jusqu’aux basses fréquences delta, loin de tout. Au plus bas, une lumière bleue, dont l’effet sur le rythme circadien est prouvé, vous aide à rester éveillé. Vous gardez ainsi la pleine maîtrise de votre esprit tout au long de cet état de détente.</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sommeil profond</translation>
    </message>
    <message>
        <source>Like the previous program, this one also takes you down from normal waking levels to the delta levels associated with deep sleep and loss of body awareness. It uses long-wavelength red light, which has less effect on the circadian system that blue light, allowing you to drift into a restful slumber.</source>
        <translation>Comme le programme précédent, celui-ci vous fait descendre de l’éveil normal jusqu’aux fréquences delta, liées au sommeil profond et à l’effacement de la conscience corporelle. Sa lumière rouge, de grande longueur d’onde, agit moins que la lumière bleue sur le rythme circadien et vous laisse glisser dans un sommeil réparateur.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Méditation contemplative</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>Contrairement à « Méditation complète », ce programme ne descend que jusqu’à l’état thêta. Cette fréquence est associée à la méditation profonde et laisse plus d’activité à votre cerveau pendant la séance. La même lumière bleue maintient votre rythme circadien à l’état d’éveil.</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sommeil et rêves</translation>
    </message>
    <message>
        <source>This program also takes you down to the theta wave state, but uses red light for minimal effect on the circadian rhythm. During sleep, the theta wave frequencies are associated with REM sleep and a period of dreaming.</source>
        <translation>Ce programme descend lui aussi jusqu’à l’état thêta, mais avec une lumière rouge qui agit très peu sur le rythme circadien. Pendant le sommeil, les fréquences thêta sont liées au sommeil paradoxal, la phase des rêves.</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Réveil matinal</translation>
    </message>
    <message>
        <source>This selection is designed for short session that will invigorate your mind and bring it up from the lower frequencies associated with sleep. All of the colors used during this session contain blue light, which reacts with circadian system to bring you to a waking state.</source>
        <translation>Ce programme est conçu pour de courtes séances qui raniment l’esprit et le font remonter des basses fréquences du sommeil. Toutes les couleurs de cette séance contiennent de la lumière bleue, qui agit sur le rythme circadien pour vous réveiller.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Méditation courte</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Ce programme est conçu pour des séances de méditation plus courtes. Il ne descend que jusqu’à l’état alpha : vous vous détendez vite et revenez ensuite sans peine à un état éveillé et pleinement alerte.</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>De la détente à la contemplation</translation>
    </message>
    <message>
        <source>This program is exactly like the Deep Thought Meditation program, except it begins your journey at the high alpha wave state. This is beneficial if you are already in a relaxed state and find the Deep Thought Meditation program starts off at too high a frequency.</source>
        <translation>Ce programme est identique à « Méditation contemplative », mais commence le voyage dans le haut de la bande alpha. C’est utile si vous êtes déjà détendu et trouvez que « Méditation contemplative » démarre à une fréquence trop élevée.</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>De la détente à la méditation complète</translation>
    </message>
    <message>
        <source>This program is equivalent to the Complete Meditation program in the same way that the Relaxed to Deep Thought program is similar to Deep Thought Meditation. Use it if you are beginning in a relaxed state and want to go down to a deep meditation.</source>
        <translation>Ce programme est à « Méditation complète » ce que « De la détente à la contemplation » est à « Méditation contemplative ». Utilisez-le si vous commencez déjà détendu et voulez descendre dans une méditation profonde.</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>De la fatigue au sommeil profond</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Deep Sleep program induces.</source>
        <translation>Ce programme s’adresse à ceux qui sont déjà fatigués ou détendus et veulent plonger dans le sommeil qu’induit « Sommeil profond ».</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>De la fatigue aux rêves</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Dream Sleep program induces.</source>
        <translation>Ce programme s’adresse à ceux qui sont déjà fatigués ou détendus et veulent plonger dans le sommeil qu’induit « Sommeil et rêves ».</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Ending...</source>
        <translation>Fin de la séance…</translation>
    </message>
    <message>
        <source>Time Left: %1 Press esc to exit visualizer</source>
        <translation>Temps restant : %1 – Échap pour quitter</translation>
    </message>
</context>
<context>
    <name>ToneKind</name>
    <message>
        <source>Binaural Beat (Headphones)</source>
        <translation>Battement binaural (casque)</translation>
    </message>
    <message>
        <source>Isochronic Pulses (Speakers)</source>
        <translation>Impulsions isochrones (haut-parleurs)</translation>
    </message>
    <message>
        <source>Monaural Beat (Speakers)</source>
        <translation>Battement monaural (haut-parleurs)</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Son binaural</translation>
    </message>
</context>
<context>
    <name>BeatPlot</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>KeyFile</name>
    <message>
        <source>&quot;%1&quot; is not a group name</source>
        <translation>« %1 » n’est pas un nom de groupe</translation>
    </message>
    <message>
        <source>the line is neither a [group], a key=value pair nor a #comment</source>
        <translation>la ligne n’est ni un [groupe], ni une paire clé=valeur, ni un #commentaire</translation>
    </message>
    <message>
        <source>a key comes before the first group</source>
        <translation>une clé précède le premier groupe</translation>
    </message>
</context>
<context>
    <name>ProgramChoice</name>
    <message>
        <source>This program&apos;s file has an error.</source>
        <translation>Le fichier de ce programme contient une erreur.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order they play:</source>
        <translation>É&amp;tapes, dans l’ordre où elles sont jouées :</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Beat from (Hz)</source>
        <translation>Battement de (Hz)</translation>
    </message>
    <message>
        <source>Beat to (Hz)</source>
        <translation>Battement à (Hz)</translation>
    </message>
    <message>
        <source>Colour from</source>
        <translation>Couleur de</translation>
    </message>
    <message>
        <source>Colour to</source>
        <translation>Couleur à</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Ajouter une étape</translation>
    </message>
    <message>
        <source>&amp;Remove Stage</source>
        <translation>&amp;Retirer l’étape</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Des&amp;cendre</translation>
    </message>
    <message>
        <source>The beat over a session of %1:</source>
        <translation>Le battement au fil d’une séance de %1 :</translation>
    </message>
    <message>
        <source>Stage %1, %2: %3</source>
        <translation>Étape %1, %2 : %3</translation>
    </message>
    <message>
        <source>A program needs a name.</source>
        <translation>Un programme a besoin d’un nom.</translation>
    </message>
    <message>
        <source>Name: a program needs a name.</source>
        <translation>Nom : un programme a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A program needs at least one stage.</source>
        <translation>Un programme a besoin d’au moins une étape.</translation>
    </message>
    <message>
        <source>Write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest.</source>
        <translation>Écrivez une durée comme 90s, 5m ou 1h30m, une part de la séance comme 20%, ou rest.</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may.</source>
        <translation>L’étape %1 prend déjà le reste ; une seule étape le peut.</translation>
    </message>
    <message>
        <source>The shares of the session come to more than 100%.</source>
        <translation>Les parts de la séance dépassent 100%.</translation>
    </message>
    <message>
        <source>Write a beat from 0.5 to 40 Hz.</source>
        <translation>Écrivez un battement de 0.5 à 40 Hz.</translation>
    </message>
    <message>
        <source>Write one of %1, or #rrggbb.</source>
        <translation>Écrivez l’une de ces couleurs : %1, ou #rrggbb.</translation>
    </message>
    <message>
        <source>The plot returns when every stage can be read.</source>
        <translation>Le tracé revient quand chaque étape peut être lue.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1 : ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1 : le fichier ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than 1 MiB; a program file is a few lines of text</source>
        <translation>%1 : le fichier dépasse 1 Mio ; un fichier de programme tient en quelques lignes de texte</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1 : ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1: Stage %2, %3 (line %4): %5</source>
        <translation>%1 : Stage %2, %3 (ligne %4) : %5</translation>
    </message>
    <message>
        <source>this is not a text file (it holds a zero byte)</source>
        <translation>ce n’est pas un fichier texte (il contient un octet nul)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>le texte n’est pas en UTF-8</translation>
    </message>
    <message>
        <source>%1: there is no [Velmora Program] group</source>
        <translation>%1 : il n’y a pas de groupe [Velmora Program]</translation>
    </message>
    <message>
        <source>[Velmora Program] has no Name</source>
        <translation>[Velmora Program] n’a pas de Name</translation>
    </message>
    <message>
        <source>[%1]: stages are numbered from 1 to %2, as [Stage 1]</source>
        <translation>[%1] : les étapes sont numérotées de 1 à %2, comme [Stage 1]</translation>
    </message>
    <message>
        <source>the program has no stages; add a [Stage 1] group</source>
        <translation>le programme n’a aucune étape ; ajoutez un groupe [Stage 1]</translation>
    </message>
    <message>
        <source>%1: Stage %2 (line %3): there is no %4</source>
        <translation>%1 : Stage %2 (ligne %3) : il manque %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length; write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest</source>
        <translation>« %1 » n’est pas une durée ; écrivez une durée comme 90s, 5m ou 1h30m, une part de la séance comme 20%, ou rest</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may</source>
        <translation>l’étape %1 prend déjà le reste ; une seule étape le peut</translation>
    </message>
    <message>
        <source>the shares of the session come to more than 100%</source>
        <translation>les parts de la séance dépassent 100%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a beat from 0.5 to 40 Hz; write one such as 8, or a ramp such as 18 to 8</source>
        <translation>« %1 » n’est pas un battement de 0.5 à 40 Hz ; écrivez-en un comme 8, ou une rampe comme 18 to 8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of tone; write one of %2</source>
        <translation>« %1 » n’est pas un type de son ; écrivez l’un de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; write one of %2 or #rrggbb, or a ramp such as yellow to blue</source>
        <translation>« %1 » n’est pas une couleur ; écrivez l’une de %2 ou #rrggbb, ou une rampe comme yellow to blue</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>%1: the program could not be saved: %2</source>
        <translation>%1 : le programme n’a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1 : le fichier ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1: the program could not be moved to the trash: %2</source>
        <translation>%1 : le programme n’a pas pu être mis à la corbeille : %2</translation>
    </message>
</context>
<context>
    <name>StagePlanner</name>
    <message>
        <source>This program&apos;s shares of the session leave no time for its fixed stages.</source>
        <translation>Les parts de séance de ce programme ne laissent pas de temps à ses étapes fixes.</translation>
    </message>
    <message>
        <source>This program needs at least %1.</source>
        <translation>Ce programme demande au moins %1.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>orvandel::CoreTexts</name>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Chourouk</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Dhohr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rabi al-awal</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rabi ath-thani</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Joumada I</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Joumada II</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>Dhou al-qi’da</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>Dhou al-hijja</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Cadastre égyptien</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>Université des sciences islamiques de Karachi</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>Umm Al-Qura</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Majoritaire</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafite</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>la règle des 48 degrés</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>hautes latitudes par le milieu de la nuit</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>hautes latitudes par le septième de la nuit</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>hautes latitudes par l’angle du crépuscule</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (tableurs)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (agendas)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabie saoudite</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Moyen-Orient</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Americas</source>
        <translation>Amériques</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asie</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Océanie</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>Abha</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>Buraydah</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>Dammam</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>Djeddah</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>Médine</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>La Mecque</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>Riyad</translation>
    </message>
    <message>
        <source>Tabouk</source>
        <translation>Tabouk</translation>
    </message>
    <message>
        <source>Taif</source>
        <translation>Taëf</translation>
    </message>
    <message>
        <source>Abu Dhabi</source>
        <translation>Abou Dabi</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>Amman</translation>
    </message>
    <message>
        <source>Baghdad</source>
        <translation>Bagdad</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>Beyrouth</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>Damas</translation>
    </message>
    <message>
        <source>Doha</source>
        <translation>Doha</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>Dubaï</translation>
    </message>
    <message>
        <source>Istanbul</source>
        <translation>Istanbul</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Jérusalem</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>Koweït</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>Mascate</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>Sanaa</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>Téhéran</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>Alger</translation>
    </message>
    <message>
        <source>Asmara</source>
        <translation>Asmara</translation>
    </message>
    <message>
        <source>Bamako</source>
        <translation>Bamako</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Le Caire</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>Dakar</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>Djibouti</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>Khartoum</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>Lagos</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>Marrakech</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>Mogadiscio</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>Nouakchott</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>Tripoli</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>Tunis</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>Bogota</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>Dallas</source>
        <translation>Dallas</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Los Angeles</source>
        <translation>Los Angeles</translation>
    </message>
    <message>
        <source>Mexico City</source>
        <translation>Mexico</translation>
    </message>
    <message>
        <source>Miami</source>
        <translation>Miami</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>Montréal</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>Santiago</translation>
    </message>
    <message>
        <source>Sao Paulo</source>
        <translation>São Paulo</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>Toronto</translation>
    </message>
    <message>
        <source>Vancouver</source>
        <translation>Vancouver</translation>
    </message>
    <message>
        <source>Ashgabat</source>
        <translation>Achgabat</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Pékin</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Dacca</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>Jakarta</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kaboul</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>Kuala Lumpur</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>New Delhi</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>Rangoun</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapour</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>Bucarest</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>Copenhague</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>Francfort</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>Kyiv</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>Lisbonne</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londres</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>Madrid</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscou</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>Rome</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>Sarajevo</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vienne</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>Varsovie</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>Auckland</translation>
    </message>
    <message>
        <source>Christchurch</source>
        <translation>Christchurch</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>Melbourne</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>Nouméa</translation>
    </message>
    <message>
        <source>Perth</source>
        <translation>Perth</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Région du Golfe</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>Ministère des Awqaf du Koweït</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>Ministère des Awqaf du Qatar</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>Affaires islamiques et Awqaf des EAU (Dubaï)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS Singapour</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM Malaisie</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag Indonésie</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>Diyanet Turquie</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF France</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Direction spirituelle des musulmans de Russie</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>Institut de géophysique, Téhéran</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>Chiite duodécimain (jafarite)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>Ministère des Habous du Maroc</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>Ministère des Affaires religieuses d’Algérie</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>Ministère des Affaires religieuses de Tunisie</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>Ministère des Awqaf de Jordanie</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Comité mondial d’observation du croissant</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>Une source d’éphémérides a échoué à sa vérification (détails en anglais dans l’infobulle)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>Ajustements</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Date hégirienne</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>Jours de la date hégirienne</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Hautes latitudes</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - rapport d’erreur</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel a rencontré une erreur inattendue. La fenêtre continue de fonctionner, mais le tableau peut encore afficher la semaine et le lieu d’avant la modification. Le rapport ci-dessous indique ce qui s’est mal passé et où : copiez-le, enregistrez-le, imprimez-le ou envoyez-le pour le transmettre.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Copier le rapport</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>Enregistrer en texte...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>Envoyer...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>Enregistrer le rapport d’erreur</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Le rapport n’a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>Imprimer le rapport d’erreur</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>Aucun logiciel de messagerie n’a répondu. Le rapport complet est dans le presse-papiers ; vous pouvez aussi le garder avec « Enregistrer en texte... » et joindre le fichier à un message.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>le fichier n’a pas été écrit entièrement</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>Flèches Haut/Bas : un jour de plus ou de moins.
Page préc./Page suiv. : un mois.
Maj+Page préc./Maj+Page suiv. : une année.</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>Heure ghouroubi</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>Ancienne façon de compter les heures, où 12:00 tombe
au coucher du soleil. Elle n’est plus employée qu’en Arabie
saoudite, qui calcule les heures de prière selon Umm Al-Qura ;
avec cette option, le Maghrib est toujours à 12:00 et
l’Icha toujours à 1:30 (ou 2:00 pendant le Ramadan).</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>Arrondir</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>Droite-gauche</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* Les dates hégiriennes sont fixées par les autorités locales et peuvent différer d’un jour du calcul astronomique ci-dessus</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>Heures GMT</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>Minutes GMT</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>Méthode de calcul des prières</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>École juridique</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> Villes </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>Orvandel - horaires de prière de la semaine, par les développeurs d’Orvandel</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>pas de date hégirienne</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1 : horaires à l’heure de ce fuseau, heure d’été comprise ; décoché, au décalage GMT fixe</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>illisible : GMT fixe</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>%1 fixe</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>Lieu mémorisé non utilisé : %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>Lieu non mémorisé : %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>Lieu mémorisé non supprimé : %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Autre :</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>Autre méthode de calcul</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>Autre méthode de calcul :</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>Latitude de %1 à %2 degrés à cette altitude : au-delà, le soleil ne se lève pas ou ne se couche pas certains jours de l’année</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>Altitude jusqu’à %1 m à cette latitude : plus haut, le soleil ne se lève pas ou ne se couche pas certains jours de l’année</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>Nom de ville</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>Trouver une ville par son nom</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>Toute ville de 15 000 habitants ou plus : sa position, son fuseau horaire et la méthode de son pays. « Nom, pays » ou « Nom, région » affine la recherche.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>Villes trouvées</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 est à la latitude %L2, au-delà des %L3 degrés pour lesquels le tableau peut être calculé.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>Aucune ville de ce nom</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>Enregistrer les horaires</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>La semaine affichée</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>Le mois, %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>Jours à partir du %1 :</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>pas de date hégirienne</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Semaine précédente</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Semaine suivante</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>Imprimer le mois…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>Ajustements…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>fuseau %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>altitude %1 m</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>Asr %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>marge ajoutée</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>sans marge</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>minute la plus proche</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>minutes tronquées</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>format 12 heures</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>format 24 heures</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>heure ghouroubi</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 min</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>date hégirienne %1 jour</numerusform>
            <numerusform>date hégirienne %1 jours</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégire</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>le jour à partir du %1 dépasse le %2</numerusform>
            <numerusform>les %n jours à partir du %1 dépassent le %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>les jours demandés sont hors des années 1 à 9999</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>Enregistrer les horaires</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>Les horaires n’ont pas pu être enregistrés dans %1 : %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>Horaires de prière, du %1 au %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>Horaires de prière, %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>l’impression n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>l’imprimante a signalé une erreur</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>Les horaires n’ont pas pu être imprimés sur %1 : %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>Les horaires n’ont pas pu être imprimés dans %1 : %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>Imprimer la semaine</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>Imprimer le mois</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>Ouvrir sur ce lieu la prochaine fois</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>Horaires de prière</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>Les horaires de prière de la semaine, un jour par ligne. Les flèches passent d’un horaire à l’autre ; la touche Menu ouvre les commandes de la semaine.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day&apos;s civil date, its Hijri date</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>orvandel::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as in its file name: ar, fa, pt_BR.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A Hijri date: %1 the day, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ddd d-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the date field: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>ddd d MMM yyyy</translation>
    </message>
    <message>
        <source>ddd dd-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the timetable&apos;s date column, the day in two digits (dd).</extracomment>
        <translation>ddd d MMM yyyy</translation>
    </message>
</context>
</TS>

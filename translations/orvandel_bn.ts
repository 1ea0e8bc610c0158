<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
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
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>মহররম</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>সফর</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>রবিউল আউয়াল</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>রবিউস সানি</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>জমা. আউ.</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>জমা. সানি</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>রজব</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>শাবান</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>রমজান</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>শাওয়াল</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>জিলকদ</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>জিলহজ</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>মুসলিম ওয়ার্ল্ড লীগ</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>মিশরীয় সাধারণ জরিপ কর্তৃপক্ষ</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>ইসলামি বিজ্ঞান বিশ্ববিদ্যালয়, করাচি</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>উম্মুল কুরা</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>শাফেয়ি</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>হানাফি</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>৪৮ ডিগ্রির নিয়ম</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>উচ্চ অক্ষাংশ: মধ্যরাত</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>উচ্চ অক্ষাংশ: রাতের এক-সপ্তমাংশ</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>উচ্চ অক্ষাংশ: গোধূলির কোণ</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (স্প্রেডশিট)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (ক্যালেন্ডার প্রোগ্রাম)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ফাইল (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ফাইল (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ফাইল (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>সৌদি আরব</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>মধ্যপ্রাচ্য</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>আফ্রিকা</translation>
    </message>
    <message>
        <source>Americas</source>
        <translation>আমেরিকা</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>এশিয়া</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>ইউরোপ</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>ওশেনিয়া</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>আবহা</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>বুরাইদা</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>দাম্মাম</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>জেদ্দা</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>মদিনা</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>মক্কা</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>রিয়াদ</translation>
    </message>
    <message>
        <source>Tabouk</source>
        <translation>তাবুক</translation>
    </message>
    <message>
        <source>Taif</source>
        <translation>তায়েফ</translation>
    </message>
    <message>
        <source>Abu Dhabi</source>
        <translation>আবুধাবি</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>আম্মান</translation>
    </message>
    <message>
        <source>Baghdad</source>
        <translation>বাগদাদ</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>বৈরুত</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>দামেস্ক</translation>
    </message>
    <message>
        <source>Doha</source>
        <translation>দোহা</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>দুবাই</translation>
    </message>
    <message>
        <source>Istanbul</source>
        <translation>ইস্তাম্বুল</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>জেরুজালেম</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>কুয়েত সিটি</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>মাসকাট</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>সানা</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>তেহরান</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>আলজিয়ার্স</translation>
    </message>
    <message>
        <source>Asmara</source>
        <translation>আসমারা</translation>
    </message>
    <message>
        <source>Bamako</source>
        <translation>বামাকো</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>কায়রো</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>ডাকার</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>জিবুতি</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>খার্তুম</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>লাগোস</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>মারাকেশ</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>মোগাদিশু</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>নুয়াকশট</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>ত্রিপোলি</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>তিউনিস</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>বোগোতা</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>বুয়েনোস আইরেস</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>শিকাগো</translation>
    </message>
    <message>
        <source>Dallas</source>
        <translation>ডালাস</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>লিমা</translation>
    </message>
    <message>
        <source>Los Angeles</source>
        <translation>লস অ্যাঞ্জেলেস</translation>
    </message>
    <message>
        <source>Mexico City</source>
        <translation>মেক্সিকো সিটি</translation>
    </message>
    <message>
        <source>Miami</source>
        <translation>মায়ামি</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>মন্ট্রিয়ল</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>নিউ ইয়র্ক</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>সান্তিয়াগো</translation>
    </message>
    <message>
        <source>Sao Paulo</source>
        <translation>সাও পাওলো</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>টরন্টো</translation>
    </message>
    <message>
        <source>Vancouver</source>
        <translation>ভ্যাঙ্কুভার</translation>
    </message>
    <message>
        <source>Ashgabat</source>
        <translation>আশগাবাত</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>ব্যাংকক</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>বেইজিং</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>ঢাকা</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>হংকং</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>ইসলামাবাদ</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>জাকার্তা</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>কাবুল</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>কুয়ালালামপুর</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>নয়াদিল্লি</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>রেঙ্গুন</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>সিঙ্গাপুর</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>টোকিও</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>বুখারেস্ট</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>কোপেনহেগেন</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>ফ্রাঙ্কফুর্ট</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>কিয়েভ</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>লিসবন</translation>
    </message>
    <message>
        <source>London</source>
        <translation>লন্ডন</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>মাদ্রিদ</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>মস্কো</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>প্যারিস</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>রোম</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>সারায়েভো</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>ভিয়েনা</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>ওয়ারশ</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>অকল্যান্ড</translation>
    </message>
    <message>
        <source>Christchurch</source>
        <translation>ক্রাইস্টচার্চ</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>মেলবোর্ন</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>নুমেয়া</translation>
    </message>
    <message>
        <source>Perth</source>
        <translation>পার্থ</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>সিডনি</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>উপসাগরীয় অঞ্চল</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>কুয়েত আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>কাতার আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>আমিরাতের ইসলামি বিষয় ও আওকাফ (দুবাই)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS সিঙ্গাপুর</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM মালয়েশিয়া</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag ইন্দোনেশিয়া</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>Diyanet তুরস্ক</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF ফ্রান্স</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>রাশিয়ার মুসলিমদের আধ্যাত্মিক প্রশাসন</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>ভূপদার্থবিদ্যা ইনস্টিটিউট, তেহরান</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>শিয়া ইসনা আশারি (জাফরি)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>মরক্কো আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>আলজেরিয়া ধর্ম বিষয়ক মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>তিউনিসিয়া ধর্ম বিষয়ক মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>জর্ডান আওকাফ মন্ত্রণালয়</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>বিশ্বব্যাপী চাঁদ দেখা কমিটি</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>একটি এফিমেরিস উৎস যাচাইয়ে ব্যর্থ হয়েছে (বিস্তারিত টুলটিপে, ইংরেজিতে)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>সমন্বয়</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1-এর মিনিট</translation>
    </message>
    <message>
        <source> min</source>
        <translation> মি.</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>হিজরি তারিখ</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>হিজরি তারিখের দিন</translation>
    </message>
    <message>
        <source> days</source>
        <translation> দিন</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>উচ্চ অক্ষাংশ</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - ত্রুটির প্রতিবেদন</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel একটি অপ্রত্যাশিত ত্রুটির মুখোমুখি হয়েছে। উইন্ডোটি চলতে থাকবে, তবে সারণিতে হয়তো পরিবর্তনের আগের সপ্তাহ ও স্থানই দেখাবে। নিচের প্রতিবেদনে কী এবং কোথায় ভুল হয়েছে তা বলা আছে: পৌঁছে দিতে এটি কপি, সংরক্ষণ, মুদ্রণ বা প্রেরণ করুন।</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>প্রতিবেদন কপি করুন</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>টেক্সট ফাইল হিসেবে সংরক্ষণ...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>মুদ্রণ...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>প্রেরণ...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>ত্রুটির প্রতিবেদন সংরক্ষণ</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>টেক্সট ফাইল (*.txt);;সব ফাইল (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>প্রতিবেদনটি %1-এ লেখা যায়নি।</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>ত্রুটির প্রতিবেদন মুদ্রণ</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>কোনো ইমেইল প্রোগ্রাম সাড়া দেয়নি। পুরো প্রতিবেদন ক্লিপবোর্ডে আছে; আপনি &quot;টেক্সট ফাইল হিসেবে সংরক্ষণ...&quot; দিয়ে রেখে ফাইলটি কোনো বার্তায় সংযুক্ত করতে পারেন।</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>ডিস্ক পূর্ণ</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>ফাইলটি সম্পূর্ণ লেখা হয়নি</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>এক দিন সরতে উপর/নিচ তীর ব্যবহার করুন।
এক মাস সরতে PageUp ও PageDown ব্যবহার করুন।
এক বছর সরতে SHIFT+PageUp বা SHIFT+PageDown ব্যবহার করুন।</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>গুরুবি</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>সময় গণনার পুরোনো পদ্ধতি, যাতে সূর্যাস্তের সময়কে 12:00 ধরা হয়।
এটি কেবল সৌদি আরবে চলে, যেখানে নামাজের সময় উম্মুল কুরা
পদ্ধতিতে হিসাব করা হয়; এই বিকল্পে মাগরিব সবসময় 12:00-এ
এবং এশা সবসময় 1:30-এ (রমজানে 2:00-এ) হয়।</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>১২ ঘণ্টা</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>সতর্কতা</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>নিকট মিনিট</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>ডান থেকে</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* হিজরি তারিখ স্থানীয় কর্তৃপক্ষ নির্ধারণ করে, তাই উপরের জ্যোতির্বৈজ্ঞানিক হিসাব থেকে এক দিন আলাদা হতে পারে</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>স্থানাঙ্ক</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমা</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>ঘ.</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>মি.</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>উচ্চতা</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>GMT ঘণ্টা</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>GMT মিনিট</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>নামাজের সময় গণনার পদ্ধতি</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>মাযহাব</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> শহর </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>Orvandel - সাপ্তাহিক নামাজের সময়সূচি, Orvandel ডেভেলপারদের থেকে</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>হিজরি তারিখ নেই</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: এই অঞ্চলের ঘড়ি অনুযায়ী সময়, দিবালোক সংরক্ষণসহ; টিক না দিলে নির্দিষ্ট GMT ব্যবধানে</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>পড়া যায়নি: নির্দিষ্ট GMT</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>নির্দিষ্ট %1</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>সংরক্ষিত স্থান ব্যবহার করা হয়নি: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>স্থান সংরক্ষণ করা যায়নি: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>সংরক্ষিত স্থান মোছা যায়নি: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>অন্য:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>অন্য গণনা পদ্ধতি</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>অন্য গণনা পদ্ধতি:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>এই উচ্চতায় অক্ষাংশ %1 থেকে %2 ডিগ্রি: এর বাইরে বছরের কিছু দিনে সূর্য ওঠে না বা অস্ত যায় না</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>এই অক্ষাংশে উচ্চতা %1 মি. পর্যন্ত: এর উপরে বছরের কিছু দিনে সূর্য ওঠে না বা অস্ত যায় না</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>শহর খুঁজুন</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>নাম দিয়ে শহর খুঁজুন</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>১৫,০০০ বা তার বেশি জনসংখ্যার যেকোনো শহর: এর অবস্থান, এর ঘড়ি ও এর দেশের পদ্ধতি। &quot;নাম, দেশ&quot; বা &quot;নাম, অঞ্চল&quot; লিখলে অনুসন্ধান সংকুচিত হয়।</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>পাওয়া শহরগুলো</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 অক্ষাংশ %L2-এ অবস্থিত, সারণি যে %L3 ডিগ্রি পর্যন্ত হিসাব করা যায় তার বাইরে।</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>এই নামে কোনো শহর নেই</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>সময়সূচি সংরক্ষণ</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>দেখানো সপ্তাহ</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>মাস, %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>%1 থেকে দিন:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>ফরম্যাট</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>হিজরি তারিখ নেই</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>আগের সপ্তাহ</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>পরের সপ্তাহ</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>এই সপ্তাহ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>কপি</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>হিসেবে সংরক্ষণ…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>মুদ্রণ…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>মাস মুদ্রণ…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>সমন্বয়…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>অঞ্চল %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>উচ্চতা %1 মি.</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>আসর %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>সতর্কতার সময় যুক্ত</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>সতর্কতার সময় ছাড়া</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>নিকটতম মিনিটে</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>মিনিট ছাঁটা</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>১২ ঘণ্টার ঘড়ি</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>২৪ ঘণ্টার ঘড়ি</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>গুরুবি সময়</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 মি.</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>হিজরি তারিখ %1 দিন</numerusform>
            <numerusform>হিজরি তারিখ %1 দিন</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>হিজরি</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>%1 থেকে %n দিন %2 পেরিয়ে যায়</numerusform>
            <numerusform>%1 থেকে %n দিন %2 পেরিয়ে যায়</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>চাওয়া দিনগুলো ১ থেকে ৯৯৯৯ সালের বাইরে</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>সময়সূচি সংরক্ষণ</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>সময়সূচি %1-এ সংরক্ষণ করা যায়নি: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>নামাজের সময়, %1 থেকে %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>নামাজের সময়, %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>মুদ্রণ শুরু করা যায়নি</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>প্রিন্টার একটি ত্রুটি জানিয়েছে</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>সময়সূচি %1-এ মুদ্রণ করা যায়নি: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>সময়সূচি %1 ফাইলে মুদ্রণ করা যায়নি: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>সপ্তাহ মুদ্রণ</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>মাস মুদ্রণ</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>পরের বার এই স্থানেই খুলুন</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>নামাজের সময়</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>সপ্তাহের নামাজের সময়, প্রতি সারিতে একটি দিন। তীর কী এক সময় থেকে অন্য সময়ে যায়; মেনু কী সপ্তাহের কমান্ড খোলে।</translation>
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
        <translation>bn</translation>
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
        <translation>ddd d MMM yy</translation>
    </message>
</context>
</TS>

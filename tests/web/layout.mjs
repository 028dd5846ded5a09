// Where the walks click and read: each named control's centre and rectangle on each
// page, in the window's client coordinates, from the table the native page pictures
// tool writes (tools/page_pictures, --centres), so that a moved control moves the
// walks' points with it. tools/package-web makes the table before the walks; by hand:
//   build/default/tools/page_pictures/page_pictures build/default/page-pictures \
//       --centres build/default/page-pictures/centres.json
// ULVANE_CENTRES names another table.
import { readFileSync } from 'node:fs';

const DefaultTable = 'build/default/page-pictures/centres.json';
const tables = new Map();

function read(file) {
    if (!tables.has(file)) {
        try {
            tables.set(file, JSON.parse(readFileSync(file, 'utf8')));
        } catch (error) {
            throw new Error(`no table of the layout in ${file} (${error.message}); page_pictures --centres writes one`);
        }
    }
    return tables.get(file);
}

// The controls of one picture of the tool (its page), by name: "Text1", "tab 0".
export function onPage(picture, file = process.env.ULVANE_CENTRES || DefaultTable) {
    const entry = name => {
        const value = read(file)[picture]?.[name];
        if (!value)
            throw new Error(`no ${name} on ${picture} in ${file}`);
        return value;
    };
    // A point offset pixels in from the control's left edge, at its centre's height.
    const fromLeft = (name, offset) => {
        const [, y] = entry(name);
        return [entry(`${name} rect`)[0] + offset, y];
    };
    return {
        centre: name => entry(name),
        rect: name => {
            const [x, y, width, height] = entry(`${name} rect`);
            return { x, y, width, height };
        },
        // A box is clicked near its left edge before typing, as a student does, so that
        // a mask takes the text from its first place.
        box: name => fromLeft(name, 3),
        // A check box or option button is clicked on its mark, at its left.
        mark: name => fromLeft(name, 6),
    };
}

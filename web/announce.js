'use strict';
// What both pages say to a screen reader goes through their one live region, here. Orca in
// Chromium passes over a text equal to the last one it spoke, so every other text ends in a
// no-break space, which is not spoken: a text said twice in a row differs from itself and is
// said twice.
let announcedOdd = false;

function announce(region, text) {
    if (!text)
        return;
    announcedOdd = !announcedOdd;
    region.textContent = announcedOdd ? text + '\u00A0' : text;
}

// The page's entry: the page, playing the game as it ships.
import { gameOf } from './game.js';
import { playPage } from './page.js';

await playPage(gameOf);
